// The sample house in windows of every shape: the sheet takes the window's proportions and the drawing
// moves with the sheet's centre, so the house stays in the middle of the sheet, Fit Walls on Screen shows
// all of it, and the sheet the home folder ships leaves Shrink to Half room to show more.
#include "view/units.h"
#include "view_session.h"

namespace velmora {
namespace {

using test::ReadFile;

class WindowShapeTest : public test::ViewSession {};

TEST_F(WindowShapeTest, FitWallsShowsEveryWallAndShrinkToHalfHasRoom) {
    const std::string original = ReadFile(DrawingPath("Sample House"));
    for (const Size client : {Size{1280, 800}, Size{1920, 600}, Size{800, 1200}, Size{1024, 768}}) {
        SCOPED_TRACE(std::to_string(client.Width) + "x" + std::to_string(client.Height));
        Ui.SetClientSize(client);
        ASSERT_EQ(OpenDrawingByName(Prog, "Sample House"), OpenOutcome::Opened) << Transcript.str();
        Run("CmFitwallsExecute");
        const int upl = State.UnitsPerLogical;
        for (const TObj* wall : InView(ViewGround, 100)) {
            for (const Point end : {Point{wall->X1, wall->Y1}, Point{wall->X2, wall->Y2}}) {
                const int x = WorldToLogical(end.X, upl), y = WorldToLogical(end.Y, upl);
                EXPECT_GE(x, State.ViewOrgX);
                EXPECT_LE(x, State.ViewOrgX + State.ViewExtX);
                EXPECT_GE(y, State.ViewOrgY);
                EXPECT_LE(y, State.ViewOrgY + State.ViewExtY);
            }
        }
        Run("CmZoomnormalExecute");
        Run("CmShrinkhalfExecute");
        EXPECT_FLOAT_EQ(State.ZoomFactor, 10.0f);
        EXPECT_EQ(ReadFile(DrawingPath("Sample House")), original);
    }
}

} // namespace
} // namespace velmora
