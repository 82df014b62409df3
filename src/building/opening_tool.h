// The window-and-door tool: with an opening chosen in the dialogs, Enter between a wall's lines sets the
// opening into that wall as a group of plain objects (mask, jambs, glass, leaves, arcs, panels, label).
// The wall records are left as they are. The tool stays after each opening (and after a refusal), so
// further openings of the same choice follow with Enter.
#pragma once

#include "building/opening_choice.h"
#include "building/opening_wall_hit.h"
#include "tools/line_tool.h"

#include <optional>

namespace velmora {

// Adjust codes: read the window settings, read and complete the door settings.
enum : int { AdjustWindow = 1, AdjustDoor = 2 };

class TWindowobjtool : public TLineobjtool {
public:
    TWindowobjtool(AppState& state, Ui& ui);

    OpeningChoice Choice;
    int SwingAngle = 90, LineThickness = 1;
    int SwingX = 0, SwingY = 0;

    // What the last placing found, apart from the coordinates: the wall, its kind, the face nearer the
    // point, and the opening made (-1 / 0 when a placing was refused).
    int WallHit = -1;
    int WallKindHit = 0;
    int FaceHit = 0;
    int WallThickness = 0;
    int WallElement = 0;
    int OpeningNumber = 0;
    int OpeningLevel = 0, OpeningTop = 0;
    int AnchorX = 0, AnchorY = 0;
    bool Placed = false;

    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    // Enter: the opening at the cursor, or the "Marking Error" box with the drawing left as it was.
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
    // AdjustWindow: WIND.CFG into the choice; AdjustDoor: DOOR.CFG and INTERN.CFG into the choice.
    void Adjust(int amount, int code, int y) override;

    // The refusal's text for this opening type.
    std::string MarkingErrorText() const;

private:
    void Place(Canvas& dc, Point p);
    void LoadWindow();
    void LoadDoor();
    std::optional<Point> Feedback; // the cursor (logical units) where the feedback is drawn
};

} // namespace velmora
