// Save as BitMap... and Save as PNG file: the window's picture in EXPORT/, the name rules and the messages.
#include "app/view_session.h"
#include "dialogs/save_screen_dialog.h"
#include "output/dib.h"
#include "output/picture_decoding.h"
#include "output/save_screen.h"

namespace velmora {
namespace {

class SaveScreen : public test::ViewSession {
protected:
    void SetUp() override {
        CopyFixture("two_floor_house.BMS", "Two Floor House");
        Open("Two Floor House");
        // The host's capture: a 4 x 3 window, red in its top-left corner, grey elsewhere.
        Ui.SetCaptureHandler([this] {
            ++Captures;
            CapturedPicture p{4, 3, std::vector<std::uint32_t>(12, 0x808080), 3780, 3780};
            p.Pixels[0] = 0xFF0000;
            return std::optional<CapturedPicture>(p);
        });
    }
    void Name(const std::string& name) { Answer(Tsavescreen::Caption, {"save screen as=" + name, "OK"}); }
    std::filesystem::path Export(const std::string& file) const { return Home.Path / "EXPORT" / file; }
    int Captures = 0;
};

TEST_F(SaveScreen, PngOfTheWindowInTheExportFolder) {
    Name("Plan One");
    Run("CmPngExecute");
    EXPECT_EQ(Ui.LastMessage(), "Portable Network Graphics file '.PNG' saved in EXPORT subdirectory");
    const auto d = test::DecodePng(Export("Plan One.PNG"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Width, 4);
    EXPECT_EQ(d->Height, 3);
    EXPECT_EQ(d->At(0, 0), 0xFF0000u);
    EXPECT_EQ(d->At(3, 2), 0x808080u);
    EXPECT_EQ(Ui.Panel(0), "GUIDE: select a function");
    EXPECT_EQ(Ui.Panel(2), "pick tool");
    EXPECT_EQ(State.LastCommand, 200);
}

TEST_F(SaveScreen, BitmapIsAStandardBottomUpBmp) {
    Name("Plan One");
    Run("CmBmpExecute");
    EXPECT_EQ(Ui.LastMessage(), "Bitmap file '.BMP' saved in EXPORT subdirectory");
    const std::string f = test::ReadFile(Export("Plan One.BMP"));
    const auto* b = reinterpret_cast<const std::uint8_t*>(f.data());
    ASSERT_GE(f.size(), 54u);
    EXPECT_EQ(f.substr(0, 2), "BM");
    EXPECT_EQ(GetU32(b + 2), f.size());
    EXPECT_EQ(GetU32(b + 10), 54u); // the rows follow the two headers
    EXPECT_EQ(GetU32(b + 14), 40u);
    EXPECT_EQ(GetU32(b + 18), 4u);
    EXPECT_EQ(GetU32(b + 22), 3u); // positive: bottom-up
    EXPECT_EQ(GetU16(b + 28), 24u);
    EXPECT_EQ(f.size(), 54u + 3 * 12);
    // The top-left pixel is the first of the last row, blue green red.
    const std::size_t topLeft = 54 + 2 * 12;
    EXPECT_EQ(b[topLeft], 0);
    EXPECT_EQ(b[topLeft + 2], 255);
}

TEST_F(SaveScreen, NamesThatAreRefused) {
    const struct {
        std::string Name, Message;
    } cases[] = {
        {"", EmptyPictureName},
        {"   ", EmptyPictureName},
        {"../../CFG/CLR", PictureNameLetters},
        {"plan.png", PictureNameLetters},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Name(c.Name);
        Run("CmPngExecute");
        EXPECT_EQ(Ui.LastMessage(), c.Message);
    }
    EXPECT_EQ(Captures, 0);
    for (const auto& entry : std::filesystem::directory_iterator(Home.Path / "EXPORT"))
        EXPECT_NE(entry.path().extension(), ".PNG") << entry.path();
}

TEST(PictureName, FollowsTheDrawingNameRuleUpToThirtyCharacters) {
    EXPECT_EQ(PictureNameRefusal(std::string(30, 'a')), std::nullopt);
    EXPECT_EQ(PictureNameRefusal(std::string(31, 'a')), PictureNameTooLong); // the dialog's box holds 30
    EXPECT_EQ(PictureNameRefusal("Smith House 2"), std::nullopt);
}

TEST_F(SaveScreen, AnExistingPictureIsReplacedOnlyWhenTheUserSaysSo) {
    test::WriteFile(Export("Plan.PNG"), "kept");
    Name("Plan");
    Reply(MessageReply::No);
    Run("CmPngExecute");
    EXPECT_EQ(test::ReadFile(Export("Plan.PNG")), "kept");
    Name("Plan");
    Reply(MessageReply::Yes);
    Run("CmPngExecute");
    EXPECT_TRUE(test::DecodePng(Export("Plan.PNG")));
}

TEST_F(SaveScreen, AFailedWriteIsReportedAndLeavesNoFile) {
    std::filesystem::remove_all(Home.Path / "EXPORT");
    test::WriteFile(Home.Path / "EXPORT", "a file where the folder should be");
    Name("Plan");
    Run("CmPngExecute");
    EXPECT_EQ(Ui.LastMessage(), "Error writing PNG file");
    Name("Plan");
    Run("CmBmpExecute");
    EXPECT_NE(Ui.LastMessage().find("The picture was not saved"), std::string::npos) << Ui.LastMessage();
}

TEST_F(SaveScreen, CancelSavesNothing) {
    Answer(Tsavescreen::Caption, {"Cancel"});
    Run("CmBmpExecute");
    EXPECT_EQ(Ui.Panel(0), "input name of '.BMP' file to save to");
    EXPECT_EQ(Captures, 0);
}

TEST(SaveScreenWithoutDrawing, ExplainsTheCommand) {
    test::TempDir home;
    AppState state;
    state.HomePath = home.Path;
    std::ostringstream transcript;
    ScriptedUi ui(transcript);
    CmBmpExecute(state, ui);
    EXPECT_EQ(ui.LastMessage(), "SAVE AS A BITMAP\nThis function capture the screen as a bitmap");
    CmPngExecute(state, ui);
    EXPECT_EQ(ui.LastMessage(),
              "SAVE AS A '.PNG' graphic file\nThis function capture the screen as a graphic '.PNG' file");
}

} // namespace
} // namespace velmora
