// Plan titles: placed centred below the walls of the view, once per wording, and edited in the titles
// dialog, which keeps TITLE2D.CFG readable whatever is typed.
#include "app/plan_titles.h"
#include "dialogs/titles_dialog.h"
#include "view_session.h"

namespace velmora {
namespace {

using test::Rectangle;
using test::Wall;

class PlanTitlesTest : public test::ViewSession {
protected:
    void OpenHouse() {
        auto walls = Rectangle(ViewGround, 7500, 2250, 10000, 8000);
        walls.push_back(Wall(ViewFirst, 0, 0, 100000, 0)); // another floor's wall has no say
        MakeDrawing("House", std::move(walls));
        Open("House");
    }
    std::vector<const TTextobj*> Titles(int view) const {
        std::vector<const TTextobj*> t;
        for (const TObj* obj : InView(view, PlanTitleKind))
            t.push_back(static_cast<const TTextobj*>(obj));
        return t;
    }
};

TEST_F(PlanTitlesTest, TitleIsCentredBelowTheWallsAndPlacedOnce) {
    OpenHouse();
    test::WriteFile(Home.Path / "CFG" / "MOFFSET.CFG", "400 600 1000 0 10 8 10");
    ASSERT_TRUE(PlaceFloorTitle(State, Ui));
    ASSERT_TRUE(PlaceFloorTitle(State, Ui));
    const auto titles = Titles(ViewGround);
    ASSERT_EQ(titles.size(), 1u);
    const TTextobj& t = *titles[0];
    EXPECT_EQ(t.Text(), "GROUND FLOOR PLAN");
    EXPECT_EQ(t.X1, 7500 + 5000);
    EXPECT_EQ(t.Y1, 2250 - (2 * 600 + 1000));
    EXPECT_EQ(t.X2, 900);
    EXPECT_EQ(t.Align, 1);
    EXPECT_EQ(t.Height, 10);
    EXPECT_EQ(t.FontName(), "DejaVu Sans");
    EXPECT_TRUE(ListIsTheFile());
}

TEST_F(PlanTitlesTest, NoTitleWithoutWallsOrWithoutWords) {
    OpenHouse();
    State.CurrentView = ViewSecond;
    EXPECT_FALSE(PlaceFloorTitle(State, Ui));
    State.CurrentView = ViewGround;
    std::filesystem::remove(Home.Path / "CFG" / "TITLE2D.CFG");
    EXPECT_FALSE(PlaceFloorTitle(State, Ui));
    EXPECT_TRUE(Titles(ViewGround).empty());
}

TEST_F(PlanTitlesTest, TitlesDialogWritesOnlyAcceptedTitles) {
    OpenHouse();
    const char* refusal = "you can have a maximum of 24 letters and spaces - minimum of one letter";
    const std::string before = Setting("TITLE2D.CFG");

    // An empty box keeps the dialog open; the file keeps the titles until some are accepted.
    Answer("drawing titles", {"first floor  as=", "O K"});
    Answer("drawing titles", {"Cancel"});
    Run("CmTitle2DExecute");
    EXPECT_EQ(Ui.LastMessage(), refusal);
    EXPECT_EQ(Setting("TITLE2D.CFG"), before);
    EXPECT_EQ(State.LastCommand, 310);

    // A single letter is a title; blanks around one are not kept (a leading blank would make the file
    // unreadable).
    Answer("drawing titles", {"ground floor  as=A", "site plan as=  The Plot ", "O K"});
    Run("CmTitle2DExecute");
    const auto titles = ReadPlanTitles(Home.Path);
    EXPECT_EQ(titles[0], "A");
    EXPECT_EQ(titles[1], "FIRST FLOOR PLAN");
    EXPECT_EQ(titles[5], "The Plot");
    EXPECT_EQ(Setting("TITLE2D.CFG").substr(0, 20), "1 16 17 16 13 8 AFIR");

    // Blanks alone are no title.
    Answer("drawing titles", {"third floor  as=   ", "O K"});
    Answer("drawing titles", {"Cancel"});
    Run("CmTitle2DExecute");
    EXPECT_EQ(Ui.LastMessage(), refusal);
    EXPECT_EQ(ReadPlanTitles(Home.Path)[3], "THIRD FLOOR PLAN");
}

TEST_F(PlanTitlesTest, PlacedTitlesChangeOnlyWhenPlacedAgain) {
    OpenHouse();
    ASSERT_TRUE(PlaceFloorTitle(State, Ui));
    Answer("drawing titles", {"ground floor  as=Ground", "O K"});
    Run("CmTitle2DExecute");
    EXPECT_EQ(Titles(ViewGround)[0]->Text(), "GROUND FLOOR PLAN");
    ASSERT_TRUE(PlaceFloorTitle(State, Ui));
    // The old wording is another title: it stays until the user removes it.
    ASSERT_EQ(Titles(ViewGround).size(), 2u);
    EXPECT_EQ(Titles(ViewGround)[1]->Text(), "Ground");
}

TEST_F(PlanTitlesTest, SiteTitleStandsFurtherBelow) {
    OpenHouse();
    test::WriteFile(Home.Path / "CFG" / "MOFFSET.CFG", "400 600 1000 0 10 8 10");
    Run("CmSiteExecute");
    const auto titles = Titles(ViewSite);
    ASSERT_EQ(titles.size(), 1u);
    int minY = INT32_MAX;
    for (const TObj* w : InView(ViewSite, 100))
        minY = std::min(minY, w->Y1);
    EXPECT_EQ(titles[0]->Y1, minY - 2200 - 250 * 5);
}

} // namespace
} // namespace velmora
