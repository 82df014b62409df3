// The tool base class: all interaction with the drawing goes through the one installed tool. The drawing
// window maps its canvas before every call, so a slot that draws works in logical units (world units divided
// by UnitsPerLogical) and a slot that converts a press reads the mapping back from the canvas.
#pragma once

#include "app/app_state.h"
#include "platform/canvas.h"
#include "platform/keys.h"
#include "platform/ui.h"

#include <string>

namespace velmora {

class TMDIChild;
class TObj;

// Mode codes the framework itself relies on.
enum : int {
    ModePlainLine = 1,
    ModeArc = 3,
    ModeCircle = 6,
    ModeRoundRect = 8,
    ModeMove = 14,
    ModePick = 21,
    ModeSelectForEdit = 99,
    ModeExtWall = 100,
    ModeInWall = 150,
    ModeWindowDoor = 2000,
};

// Step values with a framework meaning.
enum : int {
    StepCentreLineFirst = 30,
    StepCentreLineSecond = 31,
    StepCentreRectFirst = 35,
    StepCentreRectSecond = 36,
    StepCentreRectThird = 37,
    StepCentreRectDone = 38,
    StepMultiline = 40,
    StepFinishRooms = 1500, // the internal-wall tool's Adjust finishes design rooms into walls
};

// The Zoom Up sub-state parked in AuxStep by the drawing window.
enum : int { AuxZoomUpWaiting = 20, AuxZoomUpDragging = 21 };

class TDrawingtool {
public:
    TDrawingtool(AppState& state, Ui& ui);
    virtual ~TDrawingtool() = default;
    TDrawingtool(const TDrawingtool&) = delete;
    TDrawingtool& operator=(const TDrawingtool&) = delete;

    // The window the tool was last dispatched from; refreshed before every dispatch.
    TMDIChild* Window = nullptr;
    Colorref FillColour = 0;
    Colorref PenColour = 0;
    int Marked = 0;
    int HitIndex = 0;
    int HitKind = 0;
    int Step = 0;
    int Mode = 0;
    int AuxStep = 0;
    int PenWidth = 1;
    int LineStyle = 0;
    int Dragging = 0;
    int SuggestedLength = 0;
    int Angle = 0;
    int GuideY = 0;
    int FeedbackState = 0;
    int LinkNo = 0;
    int ElementNo = 0;
    int Scrolled = 0;
    int X1 = 0, XA = 0, X2 = 0, XB = 0;
    int Y1 = 0, Y2 = 0;
    int BoxX1 = 0, BoxX2 = 0, BoxY1 = 0, BoxY2 = 0;

    // Results kept apart from the coordinates and lengths above, so that no real value can be mistaken for
    // a "nothing" or "refused" marker.
    bool HitFound = false;   // the last hit test found an object (HitIndex, HitKind are then its)
    int OperationResult = 0; // Operation's verdict: 0 done, 30001 wrong direction, 30002 wrong key ...
    int MadeIndex = -1;      // list index of the object the last Commit made; -1 when it made none
    bool LineDrawn = false;  // the last drag was long enough to be a line (line + text)

    // The operations in slot order. Every base implementation except the two centre helpers does nothing.
    virtual void LeftDown(Canvas& dc, Size client, int px, int py);  // 0
    virtual void LeftUp(Canvas& dc, Size client, int px, int py);    // 1
    virtual void RightDown(Canvas& dc, Size client, int px, int py); // 2
    virtual void RightUp(Canvas& dc, Size client, int px, int py);   // 3
    virtual void MouseMove(Canvas& dc, Size client, int px, int py); // 4
    virtual void DrawFeedback(Canvas& dc, int flag);                 // 5
    virtual void UnusedSlot6();                                      // 6
    // cursor: client pixels, in and out; amount: a length in world units (0 when none was asked for).
    virtual void KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount); // 7
    virtual void PlaceText(Canvas& dc, Size client, int px, int py, const std::string& text);      // 8
    virtual void KeyChar(Canvas& dc, Size client, char c);                                         // 9
    virtual void Commit(Canvas& dc, Size client);                                                  // 10
    virtual void AutoDimension(Canvas& dc, Size client, int px, int py, int extra, int code);      // 11
    virtual void Refresh(Canvas& dc, Size client);                                                 // 12
    virtual void Operation(int code);                                                              // 13
    virtual void Adjust(int amount, int x, int y);                                                 // 14
    virtual void CentreOfLine(Canvas& dc, Size client, int px, int py);                            // 15
    virtual void CentreOfRect(Canvas& dc, Size client, int px, int py);                            // 16
    virtual void GuideLines(Canvas& dc, int kind);                                                 // 17
    virtual void UnusedSlot18();                                                                   // 18

protected:
    // A press during a Centre of a Line or Centre of Rectangle pick goes to that pick; true when it did.
    bool CentrePick(Canvas& dc, Size client, int px, int py);
    AppState& S;
    Ui& U;

    // A press in client pixels as world units, through the mapping the window set on the canvas: a picked
    // point is always a whole number of logical units.
    Point WorldAt(const Canvas& dc, int px, int py) const;
    // Puts the cursor on a world point (through the same mapping).
    void MoveCursorTo(const Canvas& dc, int wx, int wy);
    // The rubber-band pen and raster operation: XOR with a dotted pen of width 1 in PenColour.
    void SelectRubberBand(Canvas& dc) const;
    // Paints a committed object at once into the window's picture (copy raster operation); the next repaint
    // paints it again from the list.
    void PaintAtOnce(Canvas& dc, const TObj& obj) const;

private:
    // Modes whose centre pick ends with the rubber band live again from the new start point.
    static bool KeepsBandAfterCentre(int mode);
};

} // namespace velmora
