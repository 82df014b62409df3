#include "tools/shape_commands.h"

#include "app/customise_commands.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/ellipse_tool.h"
#include "tools/polygon_tool.h"
#include "tools/round_rect_tool.h"

#include <memory>
#include <string>

namespace velmora {

namespace {

Colorref StoredFillColour(const AppState& s) {
    const auto v = ReadSettingsInts(s.HomePath, "FILLCLR.CFG", 1);
    return v ? static_cast<Colorref>((*v)[0]) : 0;
}

void BeginShape(AppState& s, Ui& ui, int lastCommand, const std::string& tool) {
    s.LastCommand = lastCommand;
    ui.SetPanel(2, std::to_string(s.CurrentPenWidth) + "," + tool);
    if (s.SaveState == 0) s.SaveState = 1;
    RecordUndo(s, ui);
}

// The new tool replaces the installed one; its first Enter marks a point.
template <typename Tool> Tool& InstallShapeTool(AppState& s, Ui& ui) {
    auto tool = std::make_unique<Tool>(s, ui);
    Tool& t = *tool;
    s.CurrentTool = std::move(tool);
    s.EnterPhase = 1;
    return t;
}

} // namespace

Colorref ChooseFillColour(AppState& s, Ui& ui) {
    const int lastCommand = s.LastCommand;
    if (const auto chosen = ChooseColour(s, ui, StoredFillColour(s))) {
        std::string error;
        if (!WriteSettingsLine(s.HomePath, "FILLCLR.CFG", error, "%ld\n", static_cast<long>(*chosen)))
            ui.Message("", "Error: the setting was not saved\n" + error, MessageKind::Error);
    }
    // The context help stays the drawing command's, not the colour chooser's.
    s.LastCommand = lastCommand;
    return StoredFillColour(s);
}

void CmArcExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    ui.SetPanel(0, "GUIDE: press ENTER on both endpoints of ARC - endpts MUST BE IN LINE horiz or vert!");
    BeginShape(s, ui, 241, "Arc");
    InstallShapeTool<TArcobjtool>(s, ui);
}

void CmEllipseExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 241;
    ui.SetPanel(0, "GUIDE: Select ellipse fill colour");
    const Colorref fill = ChooseFillColour(s, ui);
    ui.SetPanel(0, "GUIDE: press Left Button on one endpoint and DRAG");
    BeginShape(s, ui, 241, "Ellipse");
    InstallShapeTool<TEllipseobjtool>(s, ui).FillColour = fill;
}

void CmCircleExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 241;
    ui.SetPanel(0, "GUIDE: Select circle fill colour");
    const Colorref fill = ChooseFillColour(s, ui);
    ui.SetPanel(0, "GUIDE: First select fill colour then press ENTER on centrepoint, input radius OR press "
                   "Left Button on centre and DRAG");
    BeginShape(s, ui, 241, "Circle");
    InstallShapeTool<TCircleobjtool>(s, ui).FillColour = fill;
}

void CmRndRectExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 242;
    ui.SetPanel(0, "GUIDE: Select fill colour for this rounded rectangle");
    const Colorref fill = ChooseFillColour(s, ui);
    ui.SetPanel(0, "GUIDE: First, select fill colour, then press ENTER on one corner -as if squared off- of "
                   "ROUNDED RECTANGLE");
    BeginShape(s, ui, 242, "RoundRect");
    InstallShapeTool<TRndrectobjtool>(s, ui).FillColour = fill;
}

void CmPolygonExecute(AppState& s, Ui& ui) {
    if (s.CurrentView == 80 || s.DrawingReady < 2) return;
    s.LastCommand = 242;
    ui.SetPanel(0, "GUIDE: Select fill colour for this polygon");
    const Colorref fill = ChooseFillColour(s, ui);
    BeginShape(s, ui, 242, "Polygon");
    ui.SetPanel(0, "GUIDE: Press ENTER key on each point ( use arrow keys or 'A' key and move cursor) of the "
                   "POLYGON");
    TPolyobjtool& t = InstallShapeTool<TPolyobjtool>(s, ui);
    t.Mode = ModePolygon;
    t.FillColour = fill;
}

} // namespace velmora
