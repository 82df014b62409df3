// Painting shows the drawing and never changes it: element numbers kept in Highlight, fill colours and every
// other field are what they were, so a save after any paint writes the same file.
#include "model/drawing_file.h"
#include "platform/recording_canvas.h"
#include "support/test_support.h"
#include "view/paint_context.h"
#include "view/paint_objects.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(PaintKeepsDrawing, SaveAfterPaintingInEveryModeWritesTheSameFile) {
    const std::string sample = test::ReadFile(std::filesystem::path(VELMORA_HOME_TEMPLATE) / "DWGS/Sample House.BMS");
    const std::string everyKind = test::ReadFile(test::Fixture("every_kind.BMS"));
    for (const std::string& original : {sample, everyKind}) {
        TFlist list;
        DrawingHeader header;
        ASSERT_FALSE(ParseDrawing(original, {}, list, header));
        OverlayFlags overlay = OverlayFlags::FromValues({1, 1, 1, 1, 1, 1, 0});
        for (int mode : {0, 1, 2, 3, 4, 10, 12, 14, 20, 22, 24, 30})
            for (int view : {40, 45, 120, 121, 124, 190}) {
                PaintContext pc;
                pc.WallDisplayMode = mode;
                pc.View = view;
                RecordingCanvas canvas;
                PaintView(canvas, list, pc, overlay);
                for (const auto& obj : list) obj->Paint(canvas, pc, 1); // every object highlighted once more
            }
        std::string saved, error;
        ASSERT_TRUE(FormatDrawing(list, header, {}, saved, error)) << error;
        EXPECT_EQ(saved, original);
    }
}
