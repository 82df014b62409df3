// The line tool family: TLinetool holds the interaction every line-like tool shares (the drag with its
// rubber band, guide lines through the cursor, the keyboard protocol of Enter and arrow segments, the start
// check and the wall-and-line hit test of the edit commands); TLineobjtool adds the steps that store
// objects: the commit of a line and the dimensions. The idle pick tool is a TLineobjtool in Mode 21.
#pragma once

#include "tools/drawing_tool.h"

#include <optional>

namespace velmora {

// Mode of the construction lines that mark an outline corner by corner.
enum : int { ModeConstruction = 11, ModeExpandBase = 140 };

// StartCheck's answers.
enum class StartOn { FirstEnd = 0, SecondEnd = 1, Elsewhere = 2 };

class TLinetool : public TDrawingtool {
public:
    TLinetool(AppState& state, Ui& ui);

    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    void LeftUp(Canvas& dc, Size client, int px, int py) override;
    void MouseMove(Canvas& dc, Size client, int px, int py) override;
    void DrawFeedback(Canvas& dc, int flag) override;
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;
    void GuideLines(Canvas& dc, int kind) override;

    // Whether the start (X1, Y1) lies on a line or wall of the view, and at which end; may move the start
    // exactly onto the object's second end, or turn the segment to the side HitKind asks for.
    StartOn StartCheck();
    // The wall-and-line hit test of the edit picks at a world point: HitFound, HitIndex, HitKind, Angle and
    // the nearer end of the object in (X1, Y1) (and (X2, Y2) at Step 205).
    void HitTest(int x, int y);

    // Where the last committed keyboard segment left the chain: the end the user drew to (before any
    // reversal by the start check). Nothing before the first segment.
    std::optional<Point> ChainEnd;
    // The end the next Enter marks instead of the cursor's point: the closing segment of a run ends exactly
    // on the run's start, which a cursor pixel may not hit at every zoom.
    std::optional<Point> ForcedEnd;

    // Whether the tool's points make a line a commit would store: every coordinate at least 10 and the
    // ends apart. Tools whose commit refuses more override it, so that nothing (not even the undo
    // snapshot) happens for a segment that will not be stored.
    virtual bool CanCommit() const;

protected:
    bool BandShown() const;

private:
    void MoveGuideLines(Canvas& dc, Size client, int px, int py);
    void KeyEnter(Canvas& dc, const Point& cursorWorld, int amount, Point& c, bool& committed);
    void KeyArrow(Canvas& dc, Key key, int amount, Point& c, bool& committed);
    void ArrowEnd(Key key, int amount);
    void ForceWizardEnd();
    void MeasureEnter(int amount);
    // Reverses the segment so that it ends where the start check found an object's first end.
    void Reverse();
    void TurnToSide();
    // Commits the keyboard segment after its undo snapshot; false (and the points as they were) when the
    // commit made nothing.
    bool CommitSegment(Canvas& dc, Point startBefore);
    void AfterSegment(Canvas& dc, Point c, Point& cursor);
};

class TLineobjtool : public TLinetool {
public:
    TLineobjtool(AppState& state, Ui& ui, int mode);

    void Commit(Canvas& dc, Size client) override;
    // Outside the manual dimension's steps (20 to 22): replaces the automatic dimensions of the view. At
    // Step 20 marks the first point and goes to 21; at 21 makes the dimension, asks its measurement and
    // writes its text, leaving Step 22 (done) whatever the answer.
    void AutoDimension(Canvas& dc, Size client, int px, int py, int extra, int code) override;
    // Labels the line this tool made last with the text of LTEXT.CFG (line + text); Step back to 50.
    void Refresh(Canvas& dc, Size client) override;
    // The line tool's keys, and at Step 42 the multiline's last Enter: the remaining lines of the set.
    void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) override;

    // The point moved onto a wall or room line strictly within 30 world units of it, when one is there.
    Point SnapToWallLine(int x, int y) const;

private:
    void DrawMultilines(Canvas& dc, Point last);
    void MarkDimensionEnd(Canvas& dc, Point p2);
    void WriteDimensionText(Canvas& dc, int length, bool vertical, Point anchor, int orientation, int number);
};

} // namespace velmora
