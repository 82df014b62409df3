// The drawing window's logic, without the widget: what it paints and in which order, the cursor read-out and
// its datum, the zoom and scroll state, and the routing of mouse and keyboard events to the installed tool.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/ui.h"
#include "view/paint_objects.h"
#include "view/view_mapping.h"

#include <memory>
#include <optional>
#include <string>

namespace velmora {

enum class MouseButton;
enum class ScrollRequest;
class TDrawingtool;
class TLinetool;
class TObj;
class TTextobj;

// The areas InvalidateChange can invalidate around the tool's last change.
enum : int {
    ChangeAroundTool = 1,    // the tool's points and its Box, 50 logical units around
    ChangeBoxOnly = 2,       // the tool's Box, 10 logical units around
    ChangeAfterWallEdit = 3, // the tool's points and its Box, 10 logical units around
    ChangeAfterRoomEdit = 4, // the Box and the end point, 10 logical units plus the merging distance around
};

// ZoomState values.
enum : int {
    ZoomNone = 0,
    ZoomNormal = 2,
    ZoomShrunk = 3,
    ZoomFitWalls = 4,
    ZoomFitAll = 5,
    ZoomUpStarted = 6,
};

class TMDIChild {
public:
    // Creation: the screen colours from CFG/CLR.CFG, the read-out reset, the units of the drawing and, when
    // a drawing is open, the list loaded from its working file ("Error: no file of that name" when that
    // fails). A caller that already holds the drawing it opens the window on passes readWorkingFile false.
    TMDIChild(AppState& state, Ui& ui, bool readWorkingFile = true);
    ~TMDIChild();
    TMDIChild(const TMDIChild&) = delete;
    TMDIChild& operator=(const TMDIChild&) = delete;

    // Read-out reference point (world units) and mode: 1 nothing yet; 2, 3 offsets only (3 during Zoom Up);
    // 4 offsets, length and bearing from the datum; 5 from a temporary datum; 6 waiting for Enter to fix one.
    int RefX = 0, RefY = 0;
    int PressX = 0, PressY = 0;
    int VScrollRange = 0;
    int HScrollRange = 0;
    Point ZoomRect[2]{};
    int ReadoutMode = 1;
    int ResumeToolKind = 21;
    int TextEntryOpen = 0;
    Point OrgAtPress{};

    // Events from the front end.
    // Paints the current view from the list in memory. Painting changes no object, no setting and no file.
    // clip is the pixel area being repainted: objects that cannot reach it are skipped, so the canvas must
    // be clipped to it (as a repaint of the backing image is).
    void OnPaint(Canvas& canvas, std::optional<Rect> clip);
    // Paints one object into the window's picture as the full repaint would (a commit shows its object at
    // once, before the repaint of its box).
    void PaintNow(Canvas& dc, const TObj& obj) const;
    void OnMouseDown(MouseButton button, Point px);
    void OnMouseUp(MouseButton button, Point px);
    void OnMouseMove(Point px, bool leftHeld);
    void OnKeyDown(const KeyEvent& key);
    void OnKeyPress(char c);
    void OnKeyUp(const KeyEvent& key);
    void OnResize(Size client);
    void OnScroll(bool vertical, ScrollRequest request, int thumbPos);
    // The wheel: notches up (positive) scroll up or, sideways, left; a wheel zoom enlarges (wheel up) or
    // reduces by one zoom step keeping the point under the pointer px; a pan moves the view with a
    // middle-button drag of delta pixels.
    void OnWheel(bool vertical, int notches);
    void OnWheelZoom(Point px, bool enlarge);
    void OnPan(Point delta);

    // View set-up: reason 1 a view has just been opened, 2 the window was resized or the scale changed.
    void SetupView(int reason);
    void CentreOnSheet(bool repaint);

    // The zoom commands. kind 2 Back to Normal, 3 Shrink to Half, 4 Fit Walls on Screen, 5 fit everything.
    // Each leaves DrawingReady at 2 and a tool installed, whatever it finds.
    void ZoomCommand(int kind);
    void ZoomTo(int kind);
    void AlignToReference();
    void FitZoomToClient();
    void ZoomUpCommand();
    void ScaleDrawingCommand();
    void DatumCommand();
    void CentreOfLineCommand();
    void CentreOfRectCommand();

    // The read-out.
    void ShowReadout(int px, int py);
    // The point the read-out measures from by default, or nothing on views that have none.
    std::optional<Point> ComputeDatum() const;
    // Measures from the datum (when the view has one): the reference moves onto it and ReadoutMode is 4.
    void MeasureFromDatum();
    void ShowPixelSize();

    // Invalidates the screen area of the tool's last change (kinds above); the whole window while the
    // layout grid is shown.
    void InvalidateChange(int kind);

    // The frame of the view and the window/viewport mapping for the current client.
    ViewFrame Frame() const;
    void ApplyMapping(Canvas& dc) const;
    // Scroll positions as the scroll bars hold them.
    ScrollPositions Positions() const;
    // True while an autoscroll pass is pending (a left button held with autoscroll on).
    bool AutoscrollRunning() const { return Autoscrolling; }

private:
    AppState& S;
    Ui& U;
    OverlayFlags Overlay;
    bool LeftHeld = false;
    bool Autoscrolling = false;
    Point LastMouse{};
    // Timers hold a weak reference to this, so a pass that fires after the window closed does nothing.
    std::shared_ptr<TMDIChild*> Alive;

    // Creation.
    void ReadColours();
    void LoadWorkingFile();

    // Painting.
    PaintContext MakePaintContext() const;
    void ReadOverlayFlags();
    void PaintLayoutGrid(Canvas& dc, const PaintContext& pc);
    void UpkeepReference();
    void UpkeepLayoutReference();

    // Zoom helpers.
    bool BeginZoomCommand(int kind);
    void FinishZoom();
    bool ZoomBackToNormal();
    bool ZoomShrinkToHalf();
    bool ZoomFit(int kind);
    bool FitLayout(int kind);
    bool FitFloor(int kind);
    float NormalZoom() const;
    void ApplyScrollFromOrigin();
    void WriteZoomStat();
    void SaveWorkingCopy();

    // Zoom Up on the window canvas.
    void ZoomUpPress(Point px);
    void ZoomUpDrag(Point px);
    void ZoomUpRelease(Point px);
    void DrawZoomRect(Canvas& dc) const;
    Pen ZoomRectPen() const;
    Point WorldAtPixel(Point px) const;

    // Scrolling.
    std::optional<float> NextZoomStep(bool enlarge) const;
    void SetPositions(ScrollPositions pos);
    void ScrollBy(bool vertical, int delta);
    void AutoscrollPass();
    void ScheduleAutoscroll();
    void MaybeAutoscroll();

    // Mouse dispatch.
    TDrawingtool* Tool() const;
    void LeftDown(Point px);
    void RightDown(Point px);
    void LeftUp(Point px);
    bool SwitchToDesignRoom(Canvas& dc, Point px);
    // The room tool's press: its pick, and the refusals of a pick or a measurement.
    void RoomPress(Canvas& dc, Point px);
    // A room dropped: the drawing changed, the room's old and new places repainted.
    void AfterRoomDrop();
    void CentrePick(Canvas& dc, Point px);
    bool PressIgnored() const;
    void LeftDownToTool(Canvas& dc, Point px);
    void ReleaseToTool(Canvas& dc, Point px);
    bool DragStoresLine(const TLinetool& line, Point px) const;
    Point WorldToPixel(Point world) const;

    // The edit pick of Mode 99.
    void EditPick(Canvas& dc, Point px);
    void RunEditCode(Canvas& dc, Point px, Point at);
    void ContinueFromEnd(Canvas& dc, Point at);
    void AdjustByAmount(Point at);

    // Changing a clicked text (Mode 25).
    void ChangeTextAt(Point px);
    void ChangeTextWords(TTextobj& text);
    void ChangeTextSize(TTextobj& text);
    void InvalidateObject(const TObj& obj);

    // Keyboard dispatch.
    bool EndsWizard(const KeyEvent& key);
    bool WindowKey(const KeyEvent& key);
    void NudgeCursor(Key arrow);
    void UnmarkedKey(Canvas& dc, const KeyEvent& key, Point cursor);
    void ChooseBaseDirection(Key arrow);
    void UnmarkedEnter(Canvas& dc, Point cursor);
    bool ArcEndInLine(Point& cursor, int& height);
    void SplitAtCursor(Canvas& dc, Point cursor);
    void MarkedKey(Canvas& dc, const KeyEvent& key, Point cursor);
    bool WizardRefuses(const KeyEvent& key);
    void ToggleAngleMode();
    std::string LengthTitle() const;
    std::optional<int> SegmentLength(Key arrow);
    void RoomArrow(Canvas& dc, Key arrow, Point cursor);
    bool EndsOnSheet(Key arrow, int length) const;
    void ArrowSegment(Canvas& dc, Key arrow, Point cursor);
    void FinishRun(Canvas& dc);
    void AfterSegment(Canvas& dc, bool attempted);
    void RunGuide();
    bool RunClosed() const;
    void FinishBase(Canvas& dc);
    // The closed marks of the layout become the ground floor: external walls, their dimensions, the rooms'
    // internal walls and labels, the title and the floor area.
    void FinishLayout(Canvas& dc);
    void NextTextLine();

    // The polygon tool's keys: a corner or the close, then its status line, or the pick tool once the
    // polygon is stored.
    void PolygonKey(Canvas& dc, const KeyEvent& key, Point cursor, int amount);
    void AfterPolygonKey();
    // A press of the centred-text tool: the words are asked, then placed centred on the press.
    void CentredTextPress(Canvas& dc, Point px);
};

// Zoom Style (menu items in the Zoom and the customise menus): TTZoomdlg on CFG/ZOOMSTYLE.CFG.
void ZoomStyleCommand(AppState& state, Ui& ui);

} // namespace velmora
