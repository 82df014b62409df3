// The view commands driven as the Plan Views and Edit menus drive them: floors shown, created from the floor
// below or drawn over it, the site plan made and made again, display modes, overlays and the deletion of a
// floor; after every switch the list is exactly what the working file holds.
#include "app/overlays.h"
#include "app/undo_store.h"
#include "tools/drawing_tool.h"
#include "view_session.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::Line;
using test::Rectangle;
using test::Wall;

std::vector<std::unique_ptr<TObj>> Join(std::vector<std::unique_ptr<TObj>> a,
                                        std::vector<std::unique_ptr<TObj>> b) {
    for (auto& obj : b)
        a.push_back(std::move(obj));
    return a;
}

std::unique_ptr<TObj> PlanRoom(int kind, int view) {
    auto room = std::make_unique<TRoomobj>();
    room->Kind = kind;
    room->View = view;
    room->X1 = 12000, room->Y1 = 9000, room->X2 = 15000, room->Y2 = 6000;
    room->SetRoomName("Lounge");
    return room;
}

class ViewCommandsTest : public test::ViewSession {
protected:
    // A house on the ground floor, centred on the sheet the program sets up.
    void OpenHouse(std::vector<std::unique_ptr<TObj>> more = {}) {
        MakeDrawing("House", Join(Rectangle(ViewGround, 7500, 2250, 10000, 8000), std::move(more)));
        Open("House");
    }
    // The snapshot the last recorded change left in the undo ring.
    int NewestSnapshotCount(int view, int kind) const {
        TFlist list;
        DrawingHeader header;
        EXPECT_EQ(ReadDrawingFile(Home.Path / "ACT" / "Action0.tmp", State.Shift(), list, header).Status,
                  FileStatus::Ok);
        return static_cast<int>(std::count_if(
            list.begin(), list.end(), [=](const auto& o) { return o->View == view && o->Kind == kind; }));
    }
    bool PickToolInstalled() const { return State.CurrentTool && State.CurrentTool->Mode == ModePick; }
    // Whether `wanted` were shown in this order, with other guide lines between them allowed.
    static bool InOrder(const std::vector<std::string>& shown, const std::vector<std::string>& wanted) {
        auto at = shown.begin();
        for (const std::string& w : wanted) {
            at = std::find(at, shown.end(), w);
            if (at == shown.end()) return false;
            ++at;
        }
        return true;
    }
    // The guide lines shown since the transcript was `from` characters long, in order.
    std::vector<std::string> GuidesSince(std::size_t from) const {
        std::vector<std::string> guides;
        std::istringstream lines(Transcript.str().substr(from));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("[panel 0] ", 0) == 0) guides.push_back(line.substr(10));
        return guides;
    }
};

// --- the ground floor
// ---------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, GroundFloorIsCentredOnceAndASecondSwitchMovesNothing) {
    MakeDrawing("Offset", Join(Rectangle(ViewGround, 1000, 1000, 10000, 8000), [] {
                    std::vector<std::unique_ptr<TObj>> v;
                    v.push_back(Line(ViewGround, 2000, 2000, 3000, 2000));
                    v.push_back(Line(ViewFirst, 2000, 2000, 3000, 2000)); // another floor stays where it is
                    auto title =
                        std::make_unique<TTextobj>(37, ViewGround, 0, 0, 6000, 500, "GROUND FLOOR PLAN",
                                                   "DejaVu Sans", 10, 0, 1, 400, 0);
                    title->X2 = 900; // no point: a text moves by its anchor alone
                    v.push_back(std::move(title));
                    return v;
                }()));
    Open("Offset");
    Run("CmPlanExecute");
    const int ox = State.SheetWidth * State.UnitsPerLogical / 2,
              oy = State.SheetHeight * State.UnitsPerLogical / 2;
    const auto walls = InView(ViewGround, 100);
    ASSERT_EQ(walls.size(), 4u);
    const int dx = walls[0]->X1 - 1000, dy = walls[2]->Y1 - 1000;
    EXPECT_EQ(dx % 25, 0);
    EXPECT_EQ(dy % 25, 0);
    EXPECT_LT(std::abs(1000 + dx + 5000 - ox), 25);
    EXPECT_LT(std::abs(1000 + dy + 4000 - oy), 25);
    const auto lines = InView(ViewGround, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->X1, 2000 + dx);
    EXPECT_EQ(lines[0]->Y2, 2000 + dy);
    EXPECT_EQ(InView(ViewFirst, 1)[0]->X1, 2000);
    const TObj* title = InView(ViewGround, 37).at(0);
    EXPECT_EQ(title->X1, 6000 + dx);
    EXPECT_EQ(title->Y1, 500 + dy);
    EXPECT_EQ(title->X2, 900);
    EXPECT_EQ(State.DrawingObjects.At(0)->X1, 0) << "floor records are not moved";
    EXPECT_EQ(Ui.WindowCaption(), "Offset.PLN");
    EXPECT_EQ(State.LastCommand, 210);
    EXPECT_TRUE(PickToolInstalled());
    EXPECT_TRUE(ListIsTheFile());

    const std::string once = Working();
    Run("CmPlanExecute");
    EXPECT_EQ(Working(), once);
    EXPECT_EQ(InView(ViewGround, 100)[0]->X1, 1000 + dx);
}

TEST_F(ViewCommandsTest, GroundFloorWithoutWallsIsRefusedAndTheLayoutStaysOnScreen) {
    MakeDrawing("Rooms", [] {
        std::vector<std::unique_ptr<TObj>> v;
        v.push_back(PlanRoom(29000, ViewLayout));
        return v;
    }());
    Open("Rooms");
    ASSERT_EQ(State.CurrentView, ViewLayout);
    Run("CmPlanExecute");
    EXPECT_EQ(Ui.LastMessage(),
              "There is no plan drawing - finish your layout by marking the external walls first");
    EXPECT_EQ(State.CurrentView, ViewLayout);
    EXPECT_EQ(State.DrawingReady, 2);
    EXPECT_EQ(Ui.WindowCaption(), "Rooms.LYT");
}

TEST_F(ViewCommandsTest, LeavingOverlaysMapsTheDisplayModeBack) {
    const int cases[][2] = {{2, 0},   {3, 1},   {4, 0},   {12, 10}, {13, 11}, {14, 10},
                            {22, 20}, {23, 21}, {24, 20}, {1, 1},   {11, 11}, {20, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(MapBackFromOverlays(c[0]), c[1]) << c[0];
    OpenHouse();
    State.WallDisplayMode = 13;
    Run("CmPlanExecute");
    EXPECT_EQ(State.WallDisplayMode, 11);
}

TEST_F(ViewCommandsTest, GroundFloorCarriesTheLayoutRoomsOntoThePlanAsAnUndoableChange) {
    OpenHouse();
    State.DrawingObjects.Append(PlanRoom(29000, ViewLayout)); // as the layout view leaves it
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    Run("CmPlanExecute");
    EXPECT_TRUE(InView(ViewLayout).empty());
    ASSERT_EQ(InView(ViewGround, 29500).size(), 1u);
    EXPECT_EQ(NewestSnapshotCount(ViewLayout, 29000), 1);
    EXPECT_TRUE(ListIsTheFile());
}

// --- upper floors and the basement
// --------------------------------------------------------------------------

TEST_F(ViewCommandsTest, AFloorNeedsTheFloorBelow) {
    struct Case {
        const char* Handler;
        const char* Message;
    };
    const Case cases[] = {
        {"CmPlan2Execute", "You should draw the first floor before the second floor"},
        {"CmPlan3Execute", "You should draw the second floor before the third floor"},
    };
    OpenHouse();
    const std::string before = Working();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Handler);
        Run(c.Handler);
        EXPECT_EQ(Ui.LastMessage(), c.Message);
        EXPECT_EQ(State.CurrentView, ViewGround);
        EXPECT_EQ(State.DrawingReady, 2);
        EXPECT_EQ(Working(), before);
    }
}

TEST_F(ViewCommandsTest, FirstFloorOfADrawingWithoutAGroundFloorIsRefused) {
    MakeDrawing("Rooms", [] {
        std::vector<std::unique_ptr<TObj>> v;
        v.push_back(PlanRoom(29000, ViewLayout));
        return v;
    }());
    Open("Rooms");
    Run("CmPlan1Execute");
    EXPECT_EQ(Ui.LastMessage(), "You should draw the ground floor using File / New, then the first floor");
    EXPECT_EQ(State.CurrentView, ViewLayout);
    Run("CmSubfloorExecute");
    EXPECT_EQ(Ui.LastMessage(), "You should draw the ground floor before the sub floor ( basement )");
}

// "Yes" to the same outside walls: the new floor gets copies of the walls below, its title and a window of
// its own; the copy is one undo step of its own, on the first floor as on the others.
TEST_F(ViewCommandsTest, SameOutsideWallsCopyTheFloorBelowAsOneUndoStep) {
    struct Case {
        const char* Handler;
        int Floor;
        int Below;
        const char* Question;
        const char* Caption;
        const char* Title;
    };
    const Case cases[] = {
        {"CmPlan1Execute", ViewFirst, ViewGround,
         "Will the outside wall dimensions be the same as the ground floor?", "House.PL1",
         "FIRST FLOOR PLAN"},
        {"CmPlan2Execute", ViewSecond, ViewFirst,
         "Will the outside wall dimensions be the same as the first floor?", "House.PL2",
         "SECOND FLOOR PLAN"},
        {"CmSubfloorExecute", ViewBasement, ViewGround,
         "Will the outside wall dimensions be the same as the ground floor?", "House.SF", "BASEMENT PLAN"},
    };
    OpenHouse();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Handler);
        const int numberBefore = State.NextElementNo;
        Reply(MessageReply::Yes);
        Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"solid brick 9\" or 230 mm", "OK"}));
        Ui.Queue(ScriptAnswer::ForDialog("secondary wall lines", {"OK"}));
        Run(c.Handler);
        EXPECT_EQ(Ui.LastMessage(), c.Question);
        const auto below = InView(c.Below, 100);
        const auto copies = InView(c.Floor, 100);
        ASSERT_EQ(copies.size(), below.size());
        for (std::size_t i = 0; i < copies.size(); ++i) {
            EXPECT_EQ(copies[i]->X1, below[i]->X1);
            EXPECT_EQ(copies[i]->Y2, below[i]->Y2);
            EXPECT_EQ(static_cast<const TExtwallobj*>(copies[i])->Leaf1, 230) << "the type chosen for the floor";
            EXPECT_EQ(copies[i]->Highlight, numberBefore + 1 + static_cast<int>(i))
                << "a wall number of its own";
        }
        const auto titles = InView(c.Floor, 37);
        ASSERT_EQ(titles.size(), 1u);
        EXPECT_EQ(static_cast<const TTextobj*>(titles[0])->Text(), c.Title);
        EXPECT_EQ(State.CurrentView, c.Floor);
        EXPECT_EQ(Ui.WindowCaption(), c.Caption);
        EXPECT_EQ(State.WallDisplayMode, 0);
        EXPECT_EQ(State.DrawingReady, 2);
        EXPECT_EQ(State.SaveState, 1);
        EXPECT_TRUE(PickToolInstalled());
        EXPECT_EQ(State.ViewHistory[0], c.Floor);
        EXPECT_EQ(NewestSnapshotCount(c.Floor, 100), 0) << "the snapshot holds the drawing before the copy";
        EXPECT_TRUE(ListIsTheFile());
        State.SaveState = 0;
    }
    // Undo takes back the basement alone.
    Run("CmUndoExecute");
    EXPECT_TRUE(InView(ViewBasement, 100).empty());
    EXPECT_EQ(InView(ViewSecond, 100).size(), 4u);
}

// "No": the floor below shows dotted under the new floor, and the wall tool is set up to draw over it.
TEST_F(ViewCommandsTest, DrawingOverTheFloorBelowShowsItDotted) {
    struct Case {
        const char* Handler;
        int Floor;
        const char* Overlay;
        const char* Caption;
    };
    const Case cases[] = {
        {"CmPlan1Execute", ViewFirst, "0 1 1 0 0 0 0", "House.PL1"},
        {"CmSubfloorExecute", ViewBasement, "0 0 0 0 0 1 0", "House.SF"},
    };
    OpenHouse();
    const int objects = State.DrawingObjects.ObjectCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Handler);
        Reply(MessageReply::No);
        Ui.Queue(ScriptAnswer::ForDialog("external wall type", {"OK"}));
        Ui.Queue(ScriptAnswer::ForDialog("secondary wall lines", {"OK"}));
        Run(c.Handler);
        EXPECT_EQ(Setting("OVERLAY.CFG"), c.Overlay);
        EXPECT_EQ(State.WallDisplayMode, 4);
        EXPECT_EQ(State.CurrentView, c.Floor);
        EXPECT_EQ(Ui.WindowCaption(), c.Caption);
        ASSERT_TRUE(State.CurrentTool);
        EXPECT_EQ(State.CurrentTool->Mode, ModeExtWall) << "the walls are drawn over the floor below";
        EXPECT_EQ(State.DrawingReady, 2);
        EXPECT_EQ(State.DrawingObjects.ObjectCount(), objects) << "nothing was drawn yet";
        EXPECT_TRUE(ListIsTheFile());
        State.SaveState = 0;
        Run("CmPlanExecute");
        EXPECT_EQ(State.WallDisplayMode, 0);
    }
}

TEST_F(ViewCommandsTest, AnExistingFloorIsShownWithoutAQuestion) {
    OpenHouse(Rectangle(ViewFirst, 7500, 2250, 10000, 8000));
    Run("CmPlan1Execute");
    EXPECT_EQ(State.CurrentView, ViewFirst);
    EXPECT_EQ(Ui.WindowCaption(), "House.PL1");
    EXPECT_EQ(Ui.MessageCount(), 0);
    EXPECT_TRUE(ListIsTheFile());
}

// --- the site plan
// ------------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, SitePlanIsMadeFromTheGroundFloorWalls) {
    OpenHouse();
    const std::size_t mark = Transcript.str().size();
    Run("CmSiteExecute");
    // While the plan is made the guide line says what can be done with it; the window opened on it ends
    // the command with its own guide.
    const std::vector<std::string> guides = GuidesSince(mark);
    EXPECT_TRUE(InOrder(guides, {"GUIDE: ground floor view",
                                 "GUIDE: use EDIT/MOVE ROTATE if you need to alter position of house ",
                                 "GUIDE: press F1 for HELP"}))
        << Transcript.str().substr(mark);
    EXPECT_EQ(guides.back(), "GUIDE: press F1 for HELP");
    const auto site = InView(ViewSite, 100);
    const auto ground = InView(ViewGround, 100);
    ASSERT_EQ(site.size(), 4u);
    for (std::size_t i = 0; i < site.size(); ++i)
        EXPECT_EQ(site[i]->X1, ground[i]->X1);
    const auto titles = InView(ViewSite, 37);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(static_cast<const TTextobj*>(titles[0])->Text(), "SITE PLAN");
    EXPECT_EQ(Ui.WindowCaption(), "House.STE");
    EXPECT_EQ(State.ViewHistory[0], ViewSite);
    EXPECT_TRUE(ListIsTheFile());
}

TEST_F(ViewCommandsTest, SitePlanAgainIsViewedOrErasedAndMadeAnewAsAnUndoableStep) {
    const char* question =
        "Select YES to view your site plan\n     OR     \nSelect NO to draw a NEW site plan "
        "(existing one will be erased)";
    std::vector<std::unique_ptr<TObj>> site;
    site.push_back(Wall(ViewSite, 8000, 9000, 16000, 9000));
    site.push_back(Line(ViewSite, 0, 0, 4000, 0)); // a boundary the user drew
    OpenHouse(std::move(site));

    Reply(MessageReply::Yes);
    Run("CmSiteExecute");
    EXPECT_EQ(Ui.LastMessage(), question);
    EXPECT_EQ(InView(ViewSite, 1).size(), 1u);
    EXPECT_EQ(Ui.Panel(0), "GUIDE: use EDIT/MOVE ROTATE if you need to alter the position of the building");

    Reply(MessageReply::No);
    const std::size_t mark = Transcript.str().size();
    Run("CmSiteExecute");
    EXPECT_TRUE(InView(ViewSite, 1).empty());
    EXPECT_EQ(InView(ViewSite, 100).size(), 4u);
    EXPECT_EQ(Ui.WindowCaption(), "House.STE");
    // A site plan made anew is made as the first one is, with the guide of a plan viewed again.
    const std::vector<std::string> guides = GuidesSince(mark);
    EXPECT_TRUE(
        InOrder(guides, {"GUIDE: ground floor view",
                         "GUIDE: use EDIT/MOVE ROTATE if you need to alter the position of the building",
                         "GUIDE: press F1 for HELP"}))
        << Transcript.str().substr(mark);
    EXPECT_EQ(guides.back(), "GUIDE: press F1 for HELP");
    EXPECT_TRUE(ListIsTheFile());
    // The erased plan is the newest snapshot: undo brings it back.
    Run("CmUndoExecute");
    EXPECT_EQ(InView(ViewSite, 1).size(), 1u);
    EXPECT_EQ(InView(ViewSite, 100).size(), 1u);
}

// --- the layout view
// ----------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, LayoutViewTakesTheFinishedRoomsBackOrRefuses) {
    OpenHouse();
    Run("CmLayout1Execute");
    EXPECT_EQ(Ui.LastMessage(),
              "There was no layout view for this drawing, use FILE/NEW and select 'layout design rooms'");
    EXPECT_EQ(State.CurrentView, ViewGround);

    State.DrawingObjects.Append(PlanRoom(29500, ViewGround));
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());
    Run("CmLayout1Execute");
    EXPECT_EQ(State.CurrentView, ViewLayout);
    EXPECT_EQ(Ui.WindowCaption(), "House.LYT");
    EXPECT_EQ(InView(ViewLayout, 29000).size(), 1u);
    EXPECT_TRUE(InView(ViewGround, 29500).empty());
    EXPECT_EQ(State.LayoutGridOn, 1);
    EXPECT_EQ(State.LastCommand, 260);
    ASSERT_TRUE(State.CurrentTool);
    EXPECT_EQ(State.CurrentTool->Mode, 29000) << "the design-room tool takes the rooms back";
    EXPECT_TRUE(ListIsTheFile());
}

// --- display mode
// -------------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, DisplayModeSetsTheWallStyleAndTheDimensionVariant) {
    struct Case {
        int Before;
        std::vector<std::string> Words;
        int After;
    };
    const Case cases[] = {
        {0, {"cross hatched", "O K"}, 10},
        {0, {"solid", "show external dimensions=off", "O K"}, 21},
        {13, {"O K"}, 11}, // opens on the hatched style with the box clear
        {22, {"normal", "O K"}, 0},
        {22, {"normal", "Cancel"}, 22},
    };
    OpenHouse();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Before);
        State.WallDisplayMode = c.Before;
        Answer("plan view - display mode", c.Words);
        Run("CmDmodeplanExecute");
        EXPECT_EQ(State.WallDisplayMode, c.After);
    }
    EXPECT_TRUE(PickToolInstalled()) << "after Cancel";
    State.CurrentView = ViewLayout;
    Run("CmDmodeplanExecute");
    EXPECT_EQ(Ui.LastMessage(), "Only available on plan views");
}

// --- overlays
// -----------------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, OverlaysChooseTheWorkingFloorAndTheFloorsBeneathIt) {
    struct Case {
        const char* Why;
        int BaseMode;
        std::vector<std::string> Words;
        const char* Flags;
        int View;
        const char* Caption;
        int Mode;
    };
    const std::string none[] = {"ground floor=off", "first floor=off",           "second floor=off",
                                "third floor=off",  "basement (sub floor )=off", "basement with=off"};
    auto words = [&](std::vector<std::string> extra) {
        std::vector<std::string> w(std::begin(none), std::end(none));
        w.insert(w.end(), extra.begin(), extra.end());
        return w;
    };
    const Case cases[] = {
        {"nothing chosen shows the ground floor alone", 0, words({"O K"}), "0 1 0 0 0 0 0", ViewGround,
         "House.PLN", 0},
        {"ground under first", 0, words({"ground floor", "first floor", "O K"}), "0 1 1 0 0 0 0", ViewFirst,
         "House.PL1", 2},
        {"a floor without walls is dropped", 10,
         words({"ground floor", "first floor", "third floor", "show dimensions on working floor=off", "O K"}),
         "0 1 1 0 0 0 0", ViewFirst, "House.PL1", 13},
        {"basement with the ground floor clears the upper floors", 0,
         words({"ground floor", "first floor", "basement with", "O K"}), "0 1 0 0 0 1 0", ViewBasement,
         "House.SF", 2},
        {"the basement alone", 20, words({"basement (sub floor )", "O K"}), "1 0 0 0 0 0 0", ViewBasement,
         "House.SF", 20},
    };
    OpenHouse(Join(Rectangle(ViewFirst, 7500, 2250, 10000, 8000),
                   Rectangle(ViewBasement, 7500, 2250, 10000, 8000)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Why);
        State.WallDisplayMode = c.BaseMode;
        Answer("overlays", c.Words);
        Run("CmOverlaysExecute");
        EXPECT_EQ(Setting("OVERLAY.CFG"), c.Flags);
        EXPECT_EQ(State.CurrentView, c.View);
        EXPECT_EQ(Ui.WindowCaption(), c.Caption);
        EXPECT_EQ(State.WallDisplayMode, c.Mode);
        EXPECT_TRUE(ListIsTheFile());
    }
}

TEST_F(ViewCommandsTest, OverlaysOpenOnTheStoredChoiceAndRefuseTheSitePlan) {
    OpenHouse(Rectangle(ViewFirst, 7500, 2250, 10000, 8000));
    test::WriteFile(Home.Path / "CFG" / "OVERLAY.CFG", "0 1 1 0 0 0 0");
    // Pressing O K unchanged keeps the stored floors.
    Answer("overlays", {"O K"});
    Run("CmOverlaysExecute");
    EXPECT_EQ(State.CurrentView, ViewFirst);
    // Cancel changes nothing.
    const std::string flags = Setting("OVERLAY.CFG");
    Answer("overlays", {"ground floor=off", "Cancel"});
    Run("CmOverlaysExecute");
    EXPECT_EQ(Setting("OVERLAY.CFG"), flags);
    EXPECT_TRUE(PickToolInstalled());

    Run("CmSiteExecute");
    Run("CmOverlaysExecute");
    EXPECT_EQ(Ui.LastMessage(),
              "You can only use overlays on PLAN views (ground, first, second, third floors & basement)");
    EXPECT_EQ(State.CurrentView, ViewSite);
}

// --- delete floor
// -------------------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, DeleteFloorTakesTheTopFloorOrTheBasement) {
    const char* basementQuestion =
        "Do you want to delete the BASEMENT floor? press Yes if this is the floor to delete";
    const char* firstQuestion =
        "delete first floor\nThis will delete the floor completely - press Yes if you want "
        "to continue";
    std::vector<std::unique_ptr<TObj>> more =
        Join(Rectangle(ViewFirst, 7500, 2250, 10000, 8000), Rectangle(ViewBasement, 7500, 2250, 10000, 8000));
    more.push_back(Line(ViewFirst, 9000, 5000, 9500, 5000));
    OpenHouse(std::move(more));
    State.DrawingObjects.FloorRecord(ViewFirst)->FloorArea = 80;
    ASSERT_TRUE(SaveDrawing(State, ModeWorking).Ok());

    // No to the basement, then No to the first floor: nothing happens.
    const std::string before = Working();
    Reply(MessageReply::No);
    Reply(MessageReply::No);
    Run("CmDelfloorExecute");
    EXPECT_EQ(Ui.LastMessage(), firstQuestion);
    EXPECT_EQ(Working(), before);

    // No to the basement, Yes to the first floor.
    Reply(MessageReply::No);
    Reply(MessageReply::Yes);
    Run("CmDelfloorExecute");
    EXPECT_TRUE(InView(ViewFirst).size() == 1u && InView(ViewFirst)[0]->Kind == 32001) << "only its record";
    EXPECT_EQ(State.DrawingObjects.FloorRecord(ViewFirst)->FloorArea, 0);
    EXPECT_EQ(InView(ViewBasement, 100).size(), 4u);
    EXPECT_EQ(State.CurrentView, ViewGround);
    EXPECT_EQ(Ui.WindowCaption(), "House.PLN");
    EXPECT_EQ(State.LastCommand, 210) << "the ground floor command ran last";
    EXPECT_EQ(NewestSnapshotCount(ViewFirst, 100), 4);
    EXPECT_TRUE(ListIsTheFile());

    // Yes to the basement deletes it without a second question.
    Reply(MessageReply::Yes);
    Run("CmDelfloorExecute");
    EXPECT_EQ(Ui.LastMessage(), basementQuestion);
    EXPECT_EQ(InView(ViewBasement).size(), 1u);

    // The ground floor is never deleted.
    const std::string groundOnly = Working();
    Run("CmDelfloorExecute");
    EXPECT_EQ(Ui.LastMessage(), "Delete top floor\nYou cannot delete the ground floor");
    EXPECT_EQ(Working(), groundOnly);
}

// --- before a drawing is ready
// ------------------------------------------------------------------------------

TEST_F(ViewCommandsTest, NothingHappensWithoutADrawing) {
    for (const char* handler :
         {"CmPlanExecute", "CmPlan1Execute", "CmPlan2Execute", "CmPlan3Execute", "CmSubfloorExecute",
          "CmSiteExecute", "CmLayout1Execute", "CmDmodeplanExecute", "CmOverlaysExecute", "CmDelfloorExecute",
          "CmSpecsExecute"}) {
        SCOPED_TRACE(handler);
        Run(handler);
        EXPECT_EQ(Ui.MessageCount(), 0);
        EXPECT_FALSE(Ui.HasDrawingWindow());
    }
}

} // namespace
} // namespace velmora
