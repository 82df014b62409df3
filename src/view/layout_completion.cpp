// The end of the marking of a layout: once the corner marks close, the external-wall tool turns them into
// the walls of the ground floor, the automatic dimensions measure them, the internal-wall tool turns the
// layout rooms into partitions and labels, and the floor is centred, titled and measured.
#include "view/drawing_window.h"

#include "app/drawing_store.h"
#include "app/floor_area.h"
#include "app/keep_changes.h"
#include "app/overlays.h"
#include "app/plan_titles.h"
#include "app/view_centring.h"
#include "app/wizard_sequence.h"
#include "tools/drawing_tool.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"

namespace velmora {

void TMDIChild::FinishLayout(Canvas& dc) {
    Tool()->Marked = 0;
    ReadoutMode = 1;
    InstallTool(S, U, ModeExtWall);
    Tool()->Operation(7); // leaves the ground floor current
    ApplyMapping(dc);
    Tool()->AutoDimension(dc, U.ClientSize(), 0, 0, 0, 111);
    InstallTool(S, U, ModeInWall);
    Tool()->Step = StepFinishRooms;
    Tool()->Adjust(0, 0, 2);
    ReturnToPickTool(S, U);
    // The floor is centred on the sheet (rooms, labels and dimensions move with the walls) and measured.
    if (RecentreView(S, CentreFloor)) WriteDrawing(S, U, ModeWorking);
    ComputeFloorArea(S);
    PlaceFloorTitle(S, U);
    S.WindowTitle = S.DrawingName + CaptionSuffix(ViewGround);
    U.SetWindowCaption(S.WindowTitle);
    S.WallDisplayMode = 0;
    CentreOnSheet(true);
    // The layout sequence shows its plan with the floor area box, and goes on once that is cleared.
    AdvanceWizard(S, U, 119);
    ReportFloorArea(S, U, 1);
    AdvanceWizard(S, U, 120);
    U.SetPanel(2, " no selection");
}

} // namespace velmora
