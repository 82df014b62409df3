// The window and door tool driven through the drawing window's keys: a refused Enter changes nothing (no
// object, no element number, no file write), a placed opening is stored with the wall's element number
// and its own opening number, and the tool stays for the next opening.
#include "building/internal_wall_fixture.h"
#include "building/opening_commands.h"
#include "building/opening_settings.h"
#include "building/opening_tool.h"
#include "model/drawing_file.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

struct OpeningFixture : InwallFixture {
    OpeningFixture() {
        Start();
        // Added after the window opened, so the opening's centring does not move the house.
        AddHouse(1000, 1000, 4000, 3000, 230);
        for (int i = 6; i < S.DrawingObjects.ObjectCount(); ++i)
            S.DrawingObjects.At(i)->Highlight = 40 + i;
        S.NextElementNo = 20;
        SaveDrawing(S, ModeWorking);
        Ui.Queue(
            ScriptAnswer::ForDialog("window", {"window width=900", "window height=1200",
                                               "show sizes on plan=off", "show a cill on plan=off", "OK"}));
        CmWindowExecute(S, Ui, {});
    }
    TWindowobjtool& Opening() { return dynamic_cast<TWindowobjtool&>(*S.CurrentTool); }
};

TEST(OpeningToolTest, ARefusedEnterLeavesTheDrawingAsItWas) {
    OpeningFixture f;
    auto& S = f.S;
    const int count = S.DrawingObjects.ObjectCount();
    const std::string before = ReadFile(f.DrawingPath());
    f.At(1300, 2900); // on the top wall, but 300 from its start: a 900 window would overlap the end
    f.Key(velmora::Key::Enter);
    EXPECT_EQ(f.Ui.LastMessageTitle(), "Marking Error");
    EXPECT_EQ(S.DrawingObjects.ObjectCount(), count);
    EXPECT_EQ(S.NextElementNo, 20);
    EXPECT_EQ(ReadFile(f.DrawingPath()), before);
    EXPECT_FALSE(f.Opening().Placed);
    EXPECT_EQ(S.CurrentTool->Mode, ModeOpening);
}

TEST(OpeningToolTest, APlacedWindowIsSavedWithItsWallsElementAndTheToolStays) {
    OpeningFixture f;
    auto& S = f.S;
    f.At(2500, 2900);
    f.Key(velmora::Key::Enter);
    ASSERT_TRUE(f.Opening().Placed);
    EXPECT_EQ(S.NextElementNo, 21);
    // The saved records, read back: the mask and the glass line both name the top wall (element 46) and
    // opening 100021; painting them did not touch either field.
    AppState back;
    back.HomePath = S.HomePath;
    back.DrawingName = S.DrawingName;
    back.SheetWidth = S.SheetWidth, back.SheetHeight = S.SheetHeight;
    back.SetUnitsFromMetricFlag();
    ASSERT_TRUE(LoadDrawing(back, ModeWorking).Ok());
    int found = 0;
    for (const auto& o : back.DrawingObjects) {
        if (o->Aux != 100021) continue;
        ++found;
        EXPECT_EQ(o->Highlight, 46);
    }
    EXPECT_EQ(found, 2);
    // A second window along the same wall with the same settings.
    f.At(3300, 2900);
    f.Key(velmora::Key::Enter);
    EXPECT_TRUE(f.Opening().Placed);
    EXPECT_EQ(f.Opening().OpeningNumber, 100022);
}

// The doors dialog starts from the last door's width when that door was drawn in the drawing's measuring
// system, and from the door defaults' width otherwise: a first door, or the first door of a feet-and-inches
// drawing after metric ones, is not the last metric door's 820 world units (34 1/6 inches).
TEST(OpeningToolTest, TheDoorsDialogStartsFromTheDefaultWidthOfTheDrawingsSystem) {
    struct Case {
        int MetricFlag;
        const char* DoorCfg; // nullptr: no DOOR.CFG yet
        int Width;           // world units the dialog's untouched width gives
    } cases[] = {
        {1, nullptr, 900},
        {0, nullptr, 792},
        {1, "11 0 760 1 760 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0", 760},
        {0, "11 0 760 1 760 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0", 792},
        {0, "11 0 864 24 864 1 0 0 3 0 0 0 0 0 0 0 0 0 0 0 0 0", 864},
        {1, "damaged", 900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.DoorCfg ? c.DoorCfg : "no DOOR.CFG");
        InwallFixture f(c.MetricFlag);
        f.Start();
        f.Cfg("DOORSZE.CFG", "900 792");
        if (c.DoorCfg) f.Cfg("DOOR.CFG", c.DoorCfg);
        f.Ui.Queue(ScriptAnswer::ForDialog("doors or opening", {"OK"}));
        f.Ui.Queue(ScriptAnswer::ForDialog("doors on plan", {"OK"}));
        CmDoorsExecute(f.S, f.Ui, {});
        const auto stored = ParseDoorSettings(f.ReadCfg("DOOR.CFG"));
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->At(5), c.Width);
        EXPECT_EQ(stored->At(4), c.MetricFlag == 1 ? 1 : 24);
    }
}

} // namespace
} // namespace velmora::test
