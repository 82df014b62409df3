// The state of one running program: the open drawing, its list, the screen mapping and the switches that
// every command reads. One instance per program (tests make as many as they like); passed by reference.
#pragma once

#include "model/drawing_file.h"
#include "model/formatted_drawing.h"
#include "model/object_list.h"
#include "model/saved_drawing.h"
#include "platform/canvas.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

class TDrawingtool;

// Four drawing names, most recent first, "" where unused (recent_files.h).
using RecentList = std::array<std::string, 4>;

struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The open drawing.
    int CurrentView = 0;
    TFlist DrawingObjects;
    std::filesystem::path HomePath; // the home folder: DWGS, WDS, CFG, ACT, LIBS, EXPORT below it
    std::string DrawingName;        // 1 to 24 letters, digits and blanks
    std::string WindowTitle;        // DrawingName and the caption suffix of the view
    double AreaResult = 0;
    int MetricFlag = 1;   // 1 metric (world unit 1 mm), 0 imperial (1/24 inch)
    int DrawingReady = 0; // 2 = a drawing is open and ready
    int SaveState = 0;    // 0 saved, 1 changed since the last save, 2 autosave on
    int LastCommand = 0;  // menu area of the last command: picks the help page
    int WallDisplayMode = 0;

    // The text defaults of TEXT.CFG as New and Open last read them: room lettering and texts take their
    // face and italic flag from here.
    std::string DefaultFontName;
    int ItalicFlag = 0;

    // Colours.
    Colorref CurrentColour = 0;
    Colorref BackgroundColour = Rgb(255, 255, 255);
    Colorref HighlightColour = Rgb(255, 0, 0);

    // Counters kept in the drawing file header.
    int NextElementNo = 0;
    int DesignRoomCount = 0;
    int MarkCount = 0;

    // Screen mapping and zoom.
    int UnitsPerLogical = 5;
    float ZoomFactor = 1.0f;
    int DefaultZoom = 5;
    int ViewOrgX = 0, ViewOrgY = 0;
    int ViewExtX = 624, ViewExtY = 346;
    int SheetWidth = 20000, SheetHeight = 12500; // the metric sheet the home folder ships
    int ZoomState = 0;
    float SiteZoom = 5.0f;

    int CurrentPenWidth = 1; // pen width of new lines (line style dialog)

    int AutoscrollFlag = 0;
    int LayoutGridOn = 0;

    // Keyboard marking state of the line and wall tools.
    int EnterPhase = 0;
    int LastWallEndX = 0, LastWallEndY = 0;

    // Guided sequences.
    int WizardMode = 0, WizardSequence = 0, WizardStep = 0;

    std::unique_ptr<TDrawingtool> CurrentTool;

    // The view each undo snapshot was taken on, newest first; 0 = an empty slot.
    std::array<int, 10> ViewHistory{};
    // The drawing file text of the list as last formatted, kept so that the next save or snapshot formats
    // only what changed (app/drawing_text.h).
    FormattedDrawing LastFormatted;
    // The working file as the last save of it wrote it, while it holds LastFormatted's text: the undo
    // snapshot of an unchanged list links to it.
    std::optional<SavedDrawing> LastSave;
    // Whether the user was told that undo is not available for the open drawing: once is enough.
    bool UndoUnavailableSaid = false;

    // The recent-file list as the program holds it, the drawings used before the open one, most recent first;
    // read from CFG/LASTFILES.CFG when first needed. While a drawing is open the file names it on top as well
    // (recent_files.h), so the list on disk is always the one the next start should open.
    std::optional<RecentList> RecentFiles;

    // The header values as the drawing file stores them, and back.
    DrawingHeader Header() const;
    void TakeHeader(const DrawingHeader& h);
    // The coordinate shift of the drawing file for the current sheet and units.
    CoordShift Shift() const { return CoordShift::ForSheet(SheetWidth, SheetHeight, UnitsPerLogical); }
    // Changes the sheet with the drawing on it. The file stores coordinates relative to the sheet's centre
    // and the list holds them absolute, so the list moves with the centre, as reading the file again would
    // move it: a window that changes shape never changes what a save writes. False, with the sheet and the
    // list as they were, when an object would be moved out of the 32-bit range.
    bool MoveSheet(int width, int height);
    // The view frame of a window about to open: normal size, the start-up extent at the origin.
    void ResetViewFrame();
    // Sets UnitsPerLogical and DefaultZoom from MetricFlag.
    void SetUnitsFromMetricFlag();
};

} // namespace velmora
