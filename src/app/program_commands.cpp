// The commands of the frame by handler name. Commands of menu items that are not built yet are not
// registered: the menu table shows them disabled and RunCommand refuses them.
#include "app/customise_commands.h"
#include "app/file_commands.h"
#include "app/floor_area.h"
#include "app/help_pages.h"
#include "app/plan_titles.h"
#include "app/program.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"
#include "app/wizard_sequence.h"
#include "building/design_room_commands.h"
#include "building/finish_commands.h"
#include "building/internal_wall_command.h"
#include "building/layout_marking.h"
#include "building/opening_commands.h"
#include "output/output_commands.h"
#include "tools/line_commands.h"
#include "tools/line_label.h"
#include "tools/multiline.h"
#include "tools/shape_commands.h"
#include "tools/text_commands.h"
#include "view/drawing_window.h"

namespace velmora {

namespace {

// Zoom kinds of the drawing window.
constexpr int KindBackToNormal = 2;
constexpr int KindShrinkToHalf = 3;
constexpr int KindFitWalls = 4;

} // namespace

void Program::RegisterCommands() {
    Commands.Add("CmExitExecute", [this] { RunExitSequence(); });
    RegisterFileCommands(*this, Commands);
    RegisterOutputCommands(*this, Commands);
    Commands.Add("CmUndoExecute", [this] { CmUndoExecute(S, U, Child.get()); });
    Commands.Add("CmRedoExecute", [this] { CmRedoExecute(S, U, Child.get()); });
    for (const auto& entry : ViewSwitchCommands())
        Commands.Add(entry.first, [this, command = entry.second] { command(*this); });
    Commands.Add("CmSpecsExecute", [this] { CmSpecsExecute(S, U); });
    Commands.Add("CmTitle2DExecute", [this] { CmTitle2DExecute(S, U); });
    Commands.Add("CmLineExecute", [this] { CmLineExecute(S, U); });
    Commands.Add("CmLinetextExecute", [this] { CmLinetextExecute(S, U); });
    Commands.Add("CmMultilinesExecute", [this] { CmMultilinesExecute(S, U); });
    Commands.Add("CmLinestyleExecute", [this] { CmLinestyleExecute(S, U); });
    Commands.Add("CmNewdimensionExecute", [this] { CmNewdimensionExecute(S, U); });
    Commands.Add("CmTextExecute", [this] { CmTextExecute(S, U); });
    Commands.Add("CmArcExecute", [this] { CmArcExecute(S, U); });
    Commands.Add("CmEllipseExecute", [this] { CmEllipseExecute(S, U); });
    Commands.Add("CmCircleExecute", [this] { CmCircleExecute(S, U); });
    Commands.Add("CmRndRectExecute", [this] { CmRndRectExecute(S, U); });
    Commands.Add("CmPolygonExecute", [this] { CmPolygonExecute(S, U); });
    Commands.Add("CmIntwallExecute", [this] { CmIntwallExecute(S, U, [this] { CmPlanExecute(*this); }); });
    Commands.Add("CmExtwallExecute", [this] { CmExtwallExecute(S, U, Child.get()); });
    Commands.Add("CmLockdroomsExecute", [this] { CmLockdroomsExecute(S, U, Child.get()); });
    Commands.Add("CmChangedroomsExecute", [this] { CmChangedroomsExecute(S, U); });
    for (const auto& [name, command] : {std::pair{"CmDroomExecute", &CmDroomExecute},
                                        {"CmExpandroomExecute", &CmExpandroomExecute},
                                        {"CmShrinkdroomExecute", &CmShrinkdroomExecute},
                                        {"CmDroommoveExecute", &CmDroommoveExecute},
                                        {"CmRotatedroomExecute", &CmRotatedroomExecute},
                                        {"CmDeletedroomExecute", &CmDeletedroomExecute},
                                        {"CmMaxdroomExecute", &CmMaxdroomExecute},
                                        {"CmLytgridExecute", &CmLytgridExecute}})
        Commands.Add(name, [this, command] { command(S, U); });
    Commands.Add("CmWindowExecute", [this] { CmWindowExecute(S, U, [this] { CmPlanExecute(*this); }); });
    Commands.Add("CmDoorsExecute", [this] { CmDoorsExecute(S, U, [this] { CmPlanExecute(*this); }); });
    Commands.Add("CmDefdoorsExecute", [this] { CmDefdoorsExecute(S, U); });
    RegisterViewCommands();
    RegisterHelpCommands();
    RegisterCustomiseCommands();
}

// The zoom, datum and centre commands act on the drawing window; without one there is nothing to act on.
void Program::RegisterViewCommands() {
    auto onWindow = [this](void (TMDIChild::*command)()) {
        return [this, command] {
            if (Child) (Child.get()->*command)();
        };
    };
    auto zoom = [this](int kind) {
        return [this, kind] {
            if (Child) Child->ZoomCommand(kind);
        };
    };
    Commands.Add("CmZoomnormalExecute", zoom(KindBackToNormal));
    Commands.Add("CmShrinkhalfExecute", zoom(KindShrinkToHalf));
    Commands.Add("CmFitwallsExecute", zoom(KindFitWalls));
    Commands.Add("CmZoomupExecute", onWindow(&TMDIChild::ZoomUpCommand));
    Commands.Add("ScalePercentage1Click", onWindow(&TMDIChild::ScaleDrawingCommand));
    Commands.Add("CmDatumExecute", onWindow(&TMDIChild::DatumCommand));
    Commands.Add("CmCentreExecute", onWindow(&TMDIChild::CentreOfLineCommand));
    Commands.Add("CmCentrecentreExecute", onWindow(&TMDIChild::CentreOfRectCommand));
}

void Program::RegisterHelpCommands() {
    for (const char* handler :
         {"CmQuickstartExecute", "CmIndexExecute", "CmExamplewallExecute", "CmExampledrmExecute",
          "CmDesroomExecute", "CmExternwallExecute", "CmTerminology1Execute"}) {
        const HelpMenuPage* item = FindHelpMenuPage(handler);
        Commands.Add(handler, [this, item] { ShowHelpMenuPage(S, U, *item); });
    }
    Commands.Add("HelpAbout1Execute", [this] {
        DialogDescription about = AboutDialog();
        U.RunDialog(about);
    });
    Commands.Add("CmContextExecute", [this] { CmContextExecute(S, U); });
    Commands.Add("CmWizardsExecute", [this] { CmWizardsExecute(*this); });
}

void Program::RegisterCustomiseCommands() {
    Commands.Add("CmDefclrsExecute", [this] { CmDefclrsExecute(S, U); });
    Commands.Add("CmDefroomclrsExecute", [this] { CmDefroomclrsExecute(S, U); });
    Commands.Add("CmDefmergeExecute", [this] { CmDefmergeExecute(S, U); });
    Commands.Add("CmDefdimensExecute", [this] { CmDefdimensExecute(S, U); });
    Commands.Add("CmDefrmtextExecute", [this] { CmDefrmtextExecute(S, U); });
    Commands.Add("CmDeftextExecute", [this] {
        if (const auto colour = CmDeftextExecute(S, U, FrameTextColour)) FrameTextColour = *colour;
    });
    Commands.Add("CmDeflytgridExecute", [this] { CmDeflytgridExecute(S, U); });
    Commands.Add("CmZoomstyle1Execute", [this] { CmZoomstyle1Execute(S, U); });
    Commands.Add("ZoomStyle2Click", [this] { CmZoomstyle1Execute(S, U); });
    Commands.Add("CmGuideLineExecute", [this] { CmGuideLineExecute(S, U); });
}

} // namespace velmora
