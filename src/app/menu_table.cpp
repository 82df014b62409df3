#include "app/menu_table.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

constexpr bool Built = true;
constexpr bool Later = false;

MenuItem Item(std::string_view name, std::string_view caption, std::string_view handler, bool built,
              std::string_view shortcut = "", std::string_view submenu = "") {
    return MenuItem{name, caption, handler, shortcut, built, submenu};
}

MenuItem Separator() {
    return MenuItem{"", "-", "", "", false, ""};
}

Menu FileMenu() {
    return {"File",
            {
                Item("FileNewItem", "New", "CmFilenewExecute", Built, "Ctrl+N"),
                Item("FileOpenItem", "Open", "CmFileopenExecute", Built, "Ctrl+O"),
                Item("FileSaveItem", "Save", "CmSaveExecute", Built, "Ctrl+S"),
                Item("FileSaveAsItem", "Save As", "CmSaveasExecute", Built),
                Item("Autosave1", "Autosave", "CmAutosaveExecute", Built),
                Item("Autoscroll1", "Autoscroll", "CmAutoscrollExecute", Built),
                Separator(),
                Item("RotateMirrorDrawing1", "Rotate / Mirror Drawing...", "CmRotatedwgExecute", Later),
                Separator(),
                Item("SaveasBitMap1", "Save as BitMap...", "CmBmpExecute", Built),
                Item("SaveasPNGfile1", "Save as PNG file", "CmPngExecute", Built),
                Separator(),
                Item("FilePrintItem", "Print...", "CmPrintExecute", Built),
                Item("PrintCalibrator1", "Print Calibrator", "CmPrintcalExecute", Built),
                Item("FilePrintSetupItem", "Printer Setup...", "CmPrintersetupExecute", Built),
                Item("PrintPartofDrawing1", "Print Part of Drawing...", "CmPrintpartExecute", Built),
                Item("PrintSplit1", "Print Split over 2 pages...", "CmPrintssplitExecute", Built),
                Separator(),
                // The captions of the recent entries are the drawing names (Ui::SetRecentFiles).
                Item("lastfile1", "", "CmLast1Execute", Built),
                Item("lastfile2", "", "CmLast2Execute", Built),
                Item("lastfile3", "", "CmLast3Execute", Built),
                Separator(),
                Item("FileExitItem", "Exit", "CmExitExecute", Built),
            }};
}

Menu PlanViewsMenu() {
    return {"Plan Views",
            {
                Item("DisplayMode1", "Display Mode...", "CmDmodeplanExecute", Built),
                Item("FloorAreas1", "Floor Areas", "CmSpecsExecute", Built),
                Item("ShowOverlays1", "Show Overlays...", "CmOverlaysExecute", Built),
                Separator(),
                Item("GroundFloor1", "Ground Floor  \".PLN\"", "CmPlanExecute", Built),
                Item("FirstFloor1", "First Floor", "CmPlan1Execute", Built),
                Item("SecondFloor1", "Second Floor", "CmPlan2Execute", Built),
                Item("Thirdfloor1", "Third Floor", "CmPlan3Execute", Built),
                Item("SubFloor1", "Sub Floor/ Basement \".SF\"", "CmSubfloorExecute", Built),
                Item("SitePlan1", "Site Plan", "CmSiteExecute", Built),
                Separator(),
                Item("LayoutView1", "Layout View", "CmLayout1Execute", Built),
            }};
}

Menu ZoomMenu() {
    return {" Zoom ",
            {
                Item("BacktoNormal1", "Back to Normal", "CmZoomnormalExecute", Built, "Ctrl+Y"),
                Item("FitWallsonScreen1", "Fit Walls on Screen", "CmFitwallsExecute", Built),
                Item("ScalePercentage1", "Scale Drawing on Screen", "ScalePercentage1Click", Built),
                Item("ShrinktoHalf1", "Shrink to Half", "CmShrinkhalfExecute", Built),
                Item("ZoomStyle2", "Zoom Style", "ZoomStyle2Click", Built),
                Item("ZoomUp1", "Zoom Up...", "CmZoomupExecute", Built, "Ctrl+Z"),
            }};
}

Menu EditMenu() {
    constexpr std::string_view base = "Alter Base Plan Size";
    return {"Edit / Alter",
            {
                Item("UndoLastAction1", "Undo Last Action", "CmUndoExecute", Built, "Ctrl+U"),
                Item("ReDoLastAction1", "Redo Last Action", "CmRedoExecute", Built, "Ctrl+R"),
                Separator(),
                Item("Copy1", "Copy", "CmCopyExecute", Later, "Ctrl+C"),
                Item("Paste1", "Paste", "CmPasteExecute", Later, "Ctrl+V"),
                Item("EraseDelete1", "Erase / Delete", "CmEraseExecute", Later),
                Item("MoveorRotate1", "Move or Rotate", "CmMoveExecute", Later),
                Separator(),
                Item("AdjustWalls1", "Adjust Walls", "CmSnapToExecute", Later),
                Item("ExpandBase1", "Expand Base", "CmExpandbaseExecute", Later, "", base),
                Item("ShortenBase1", "Shorten Base", "CmShrinkbaseExecute", Later, "", base),
                Item("MoveDeleteCurve1", "Move / Delete Curve", "CmCurveAlterExecute", Later),
                Separator(),
                Item("ChangeText1", "Change Text", "CmChangetextExecute", Later),
                Item("Resizesometext1", "Resize some Text", "CmResizetextExecute", Later),
                Item("ChangeFillColour1", "Change Fill Colour", "CmChangecolExecute", Later),
                Item("ChangeSize1", "Change Size", "CmChangesizeExecute", Later),
                Item("MergeWorktops1", "Merge Worktops", "MergeWorktopsExecute", Later, "Ctrl+M"),
                Separator(),
                Item("DeleteFloor1", "Delete TOP or basement Floor", "CmDelfloorExecute", Built),
                Separator(),
                Item("SetDatumPoint1", "Set Datum Point", "CmDatumExecute", Built, "Ctrl+D"),
                Item("CentreofaLine1", "Centre of a Line", "CmCentreExecute", Built),
                Item("CentreofRectangle1", "Centre of Rectangle", "CmCentrecentreExecute", Built),
            }};
}

Menu ToolsMenu() {
    return {"Tools",
            {
                Item("Pencolour1", "Pen colour", "CmPencolorExecute", Later),
                Item("LineStyle1", "Line Style", "CmLinestyleExecute", Built),
                Separator(),
                Item("Line1", "Line", "CmLineExecute", Built),
                Item("LineText1", "Line+Text", "CmLinetextExecute", Built),
                Item("Text1", "Text", "CmTextExecute", Built),
                Item("Arc1", "Arc", "CmArcExecute", Built),
                Item("Circle1", "Circle", "CmCircleExecute", Built),
                Item("Ellipse1", "Ellipse", "CmEllipseExecute", Built),
                Item("RoundedRectangle1", "Rounded Rectangle", "CmRndRectExecute", Built),
                Item("Polygon1", "Polygon", "CmPolygonExecute", Built),
                Separator(),
                Item("ManualDimensions1", "Manual Dimensions", "CmNewdimensionExecute", Built),
                Item("Multilines1", "Multilines", "CmMultilinesExecute", Built),
            }};
}

Menu DesignRoomsMenu() {
    return {"Design Rooms",
            {
                Item("NewDesignRoom1", "New Design Room", "CmDroomExecute", Built),
                Item("EnlargeRoom1", "Enlarge Room", "CmExpandroomExecute", Built),
                Item("ShrinkRoom1", "Shrink Room", "CmShrinkdroomExecute", Built),
                Item("MoveRoom1", "Move Room", "CmDroommoveExecute", Built),
                Item("RotateRoom1", "Rotate Room", "CmRotatedroomExecute", Built),
                Item("DeleteRoom1", "DELETE Room", "CmDeletedroomExecute", Built),
                Item("MaxDesignRoomSize1", "Max Design Room Size", "CmMaxdroomExecute", Built),
                Item("LayoutGrid1", "Layout Grid", "CmLytgridExecute", Built),
                Separator(),
                Item("FinishDesignRooms1", "FINISH Design Rooms", "CmLockdroomsExecute", Built),
                Item("AlterFinishedRoom1", "ALTER Finished Room", "CmChangedroomsExecute", Built),
                Item("MarkExternalWalls1", "Mark External Walls on Layout", "CmExtwallExecute", Built),
            }};
}

Menu OtherItemsMenu() {
    return {"Other Items", {Item("Stairs1", "Stairs", "CmStairsCDExecute", Later)}};
}

Menu CustomiseMenu() {
    return {"Customise",
            {
                Item("DefaultColours1", "Screen Colours", "CmDefclrsExecute", Built),
                Item("RoomColours1", "Room Colours", "CmDefroomclrsExecute", Built),
                Item("SelfAligningDistance1", "Self Aligning Distance", "CmDefmergeExecute", Built),
                Item("RoomDimensionTextSize1", "Room, Dimension Text Size", "CmDefrmtextExecute", Built),
                Item("ArrowOffsets1", "Arrow Offsets", "CmDefdimensExecute", Built),
                Item("FontTextSize1", "Font, Text Size...", "CmDeftextExecute", Built),
                Item("GridLayoutViews1", "Grid (Layout Views)", "CmDeflytgridExecute", Built),
                Item("ZoomStyle1", "Zoom Style", "CmZoomstyle1Execute", Built),
                Separator(),
                Item("GuideLine1", "Guide  Line Details", "CmGuideLineExecute", Built),
                Item("FloorPlansTitles1", "Floor Plan Titles", "CmTitle2DExecute", Built),
                Item("DoorOpeningAngle1", "Door Opening Angle", "CmDefdoorsExecute", Built),
                Item("TreadsandRisers1", "Treads and Risers", "CmDefstairsExecute", Later),
                Item("PrintCalibrator2", "Print Calibrator", "CmPrintcalExecute", Built),
            }};
}

Menu LibrariesMenu() {
    return {"Libraries",
            {
                Item("AddtoaLibrary1", "Add to a Library...", "CmLibaddExecute", Later),
                Separator(),
                Item("Electrical1", "Electrical", "CmLibelecExecute", Later),
                Item("Furniture1", "Furniture", "CmLibfurnExecute", Later),
                Item("Miscellaneous1", "Miscellaneous", "CmLibmiscExecute", Later),
                Item("Plumbing1", "Plumbing", "CmLibplumbExecute", Later),
                Separator(),
                Item("CustomDrawnItems1", "Custom Drawn Items", "CmEasyDrawExecute", Later),
            }};
}

Menu HelpMenu() {
    return {"Help",
            {
                Item("Quickstart1", "Velmora Basics", "CmQuickstartExecute", Built),
                Item("Index1", "Search the Help INDEX", "CmIndexExecute", Built),
                // The guided sequences need the drawing tools they walk through.
                Item("Wizards1", "Wizards", "CmWizardsExecute", Built),
                Item("CmExample1", "1/ External Wall Example", "CmExamplewallExecute", Built),
                Item("CmExample2", "2/ Design Room Layout", "CmExampledrmExecute", Built),
                Item("CmDesroom", "Drawing with Design Rooms", "CmDesroomExecute", Built),
                Item("CmExternwall", "Drawing External Walls", "CmExternwallExecute", Built),
                Item("CmTerminology1", "Terminology", "CmTerminology1Execute", Built),
                Separator(),
                Item("HelpAboutItem", "&About...", "HelpAbout1Execute", Built),
            }};
}

std::vector<Menu> BuildMenus() {
    return {FileMenu(),        PlanViewsMenu(),  ZoomMenu(),      EditMenu(),      ToolsMenu(),
            DesignRoomsMenu(), OtherItemsMenu(), CustomiseMenu(), LibrariesMenu(), HelpMenu()};
}

std::vector<ToolButton> BuildToolBar() {
    return {
        {"Undo", "CmUndoExecute", "Undo icon: take back the last action", "undo", Built},
        {"Redo", "CmRedoExecute", "Redo icon: do again the action taken back", "redo", Built},
        {"Datum", "CmDatumExecute", "Datum icon: set a new reference point for measuring offsets", "datum",
         Built},
        {"Centre of a Line", "CmCentreExecute", "Centre icon: will centre cursor on a line or wall etc.,",
         "centre", Built},
        {"Centre of Rectangle", "CmCentrecentreExecute",
         "Centres icon: will centre cursor in a rectangular area ( useful for centreing text in an area, "
         "etc., )",
         "centrecentre", Built},
        {"Move or Rotate", "CmMoveExecute", "Move icon: move or rotate the items you drag over", "move",
         Later},
        {"Erase / Delete", "CmEraseExecute", "Erase icon: delete the items you drag over", "erase", Later},
        {"Change Pencolor", "CmPencolorExecute", "Pen icon: choose the colour of new items", "pencolour",
         Later},
        {"Adjust Walls", "CmSnapToExecute", "Adjust icon: continue, shorten, extend, split or delete walls",
         "adjustwalls", Later},
        {"Custom Drawn Items", "CmEasyDrawExecute", "Custom icon: design a fixture to size", "easydraw",
         Later},
        {"Window", "CmWindowExecute", "Window icon: put a window into a wall", "window", Built},
        {"Door or Wall Opening", "CmDoorsExecute", "Door icon: put a door or an opening into a wall", "door",
         Built},
        {"Draw Internal Wall", "CmIntwallExecute", "Internal wall icon: draw internal walls", "intwall",
         Built},
        {"Polygon", "CmPolygonExecute", "Polygon icon: draw a filled polygon", "polygon", Built},
        {"New Design Room", "CmDroomExecute", "Design room icon: add a new design room", "droom", Later},
        {"FINISH Design Rooms", "CmLockdroomsExecute", "Finish icon: turn the design rooms into walls",
         "finish", Built},
        {"Max Design Room Size", "CmMaxdroomExecute", "Max room icon: measure the free space for a room",
         "maxroom", Later},
        {"ALTER Finished Room", "CmChangedroomsExecute",
         "Alter icon: take a finished room back to a design room", "alterroom", Built},
        {"Mark External Walls on Layout", "CmExtwallExecute",
         "Mark icon: mark the external wall corners round the layout", "markwalls", Built},
        {"Layout Grid", "CmLytgridExecute", "Grid icon: show or hide the layout grid", "grid", Later},
    };
}

} // namespace

const std::vector<Menu>& MenuTable() {
    static const std::vector<Menu> menus = BuildMenus();
    return menus;
}

const std::vector<ToolButton>& ToolBarTable() {
    static const std::vector<ToolButton> buttons = BuildToolBar();
    return buttons;
}

const std::vector<HiddenCommand>& HiddenCommandTable() {
    static const std::vector<HiddenCommand> hidden = {{"File1Click", Built}, {"CmContextExecute", Built}};
    return hidden;
}

const MenuItem* FindMenuItem(std::string_view handler) {
    for (const Menu& menu : MenuTable())
        for (const MenuItem& item : menu.Items)
            if (!item.IsSeparator() && item.Handler == handler) return &item;
    return nullptr;
}

namespace {

// The built state of a handler wherever the tables name it; nothing for an unknown handler.
std::optional<bool> BuiltState(std::string_view handler) {
    if (const MenuItem* item = FindMenuItem(handler)) return item->Built;
    for (const ToolButton& b : ToolBarTable())
        if (b.Handler == handler) return b.Built;
    for (const HiddenCommand& h : HiddenCommandTable())
        if (h.Handler == handler) return h.Built;
    return std::nullopt;
}

} // namespace

bool IsKnownHandler(std::string_view handler) {
    return BuiltState(handler).has_value();
}

bool IsBuiltHandler(std::string_view handler) {
    return BuiltState(handler).value_or(false);
}

std::vector<std::string_view> AllHandlers() {
    std::vector<std::string_view> out;
    auto add = [&out](std::string_view h) {
        if (!h.empty() && std::find(out.begin(), out.end(), h) == out.end()) out.push_back(h);
    };
    for (const Menu& menu : MenuTable())
        for (const MenuItem& item : menu.Items)
            add(item.Handler);
    for (const ToolButton& b : ToolBarTable())
        add(b.Handler);
    for (const HiddenCommand& h : HiddenCommandTable())
        add(h.Handler);
    return out;
}

} // namespace velmora
