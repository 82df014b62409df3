// The text a save keeps and brings up to the list by formatting only what changed must be, after any run of
// edits, exactly the text FormatDrawing writes of the whole list: the edits below run one after another on
// one kept text, so every splice starts from the marks the last one left.
#include "model/formatted_drawing.h"

#include "model/object_records.h"
#include "model/every_kind_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

using test::ReadEveryKind;

struct Drawing {
    TFlist List;
    DrawingHeader Header;
    CoordShift Shift;
};

TFlist CopyOf(const TFlist& list) {
    TFlist copy;
    for (const auto& obj : list)
        copy.Append(obj->Clone());
    return copy;
}

// Every string of a record grows, so the record's length changes and the records after it move.
struct LongerStrings {
    template <class... A> void Kind(A&&...) {}
    template <class... A> void N(A&&...) {}
    template <class... A> void X(A&&...) {}
    template <class... A> void Y(A&&...) {}
    template <class... A> void VertexCount(A&&...) {}
    template <class... A> void Len(A&&...) {}
    void Str(std::string& s) { s += "ab"; }
    void EndLine() {}
};

int FirstOfClass(const TFlist& list, ObjClass c) {
    for (int i = 0; i < list.ObjectCount(); ++i)
        if (list.At(i)->Class() == c) return i;
    return -1;
}

std::string FullText(const Drawing& d) {
    std::string text, error;
    EXPECT_TRUE(FormatDrawing(d.List, d.Header, d.Shift, text, error)) << error;
    return text;
}

TEST(FormattedDrawingTest, EveryRunOfEditsGivesTheBytesOfAFullFormat) {
    Drawing d;
    d.List = ReadEveryKind(d.Header);
    const int n = d.List.ObjectCount();
    ASSERT_GT(n, 10);
    TFlist earlier, later;
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"the first text", [] {}},
        {"an object added at the end", [&] { d.List.Append(d.List.At(7)->Clone()); }},
        {"a coordinate changed in the middle", [&] { d.List.At(n / 2)->X1 += 12345; }},
        {"the strings of a text grown",
         [&] {
             earlier = CopyOf(d.List);
             LongerStrings longer;
             VisitRecord(*d.List.At(FirstOfClass(d.List, ObjClass::Text)), longer);
         }},
        {"an object removed from the middle", [&] { d.List.RemoveAt(n / 2 - 1); }},
        {"the first object removed", [&] { d.List.RemoveAt(0); }},
        {"the last object removed", [&] { d.List.RemoveAt(d.List.ObjectCount() - 1); }},
        {"the first object replaced", [&] { d.List.Replace(0, d.List.At(9)->Clone()); }},
        {"the header's counters (a longer header line)",
         [&] {
             d.Header.NextElementNo += 100000;
             later = CopyOf(d.List);
         }},
        {"the list as it was some edits ago (an undo)", [&] { d.List = CopyOf(earlier); }},
        {"the list as it was after them (a redo)", [&] { d.List = CopyOf(later); }},
        {"three equal objects in a row, then one of them removed",
         [&] {
             for (int k = 0; k < 3; ++k)
                 d.List.Append(d.List.At(8)->Clone());
         }},
        {"", [&] { d.List.RemoveAt(d.List.ObjectCount() - 2); }},
        {"the sheet moved (every coordinate stored anew)",
         [&] {
             d.Shift = {250, -75};
         }},
        {"nothing changed", [] {}},
        {"the list emptied", [&] { d.List.Clear(); }},
        {"the list filled again", [&] { d.List = ReadEveryKind(d.Header); }},
    };
    FormattedDrawing kept;
    for (const auto& [what, edit] : edits) {
        edit();
        std::string error;
        const TextUpdate update = kept.Update(d.List, d.Header, d.Shift, error);
        ASSERT_NE(update, TextUpdate::Refused) << what << ": " << error;
        EXPECT_EQ(update == TextUpdate::Kept, std::string_view(what) == "nothing changed") << what;
        ASSERT_EQ(kept.Text(), FullText(d)) << what;
        EXPECT_TRUE(kept.Image().Matches(d.List, d.Header, d.Shift)) << what;
    }
}

TEST(FormattedDrawingTest, AnObjectNoFileCanHoldIsRefusedAsByAFullFormatAndTheNextUpdateStartsAfresh) {
    Drawing d;
    d.List = ReadEveryKind(d.Header);
    FormattedDrawing kept;
    std::string error;
    ASSERT_EQ(kept.Update(d.List, d.Header, d.Shift, error), TextUpdate::Changed) << error;

    const int poly = FirstOfClass(d.List, ObjClass::Poly);
    ASSERT_GT(poly, 0);
    auto& vertices = static_cast<TPolyobj&>(*d.List.At(poly)).VertexCount;
    const int count = vertices;
    vertices = TPolyobj::MaxVertices + 1;
    std::string text, fullError;
    EXPECT_FALSE(FormatDrawing(d.List, d.Header, d.Shift, text, fullError));
    EXPECT_EQ(kept.Update(d.List, d.Header, d.Shift, error), TextUpdate::Refused);
    EXPECT_EQ(error, fullError) << "the object is named by its place in the whole list";
    EXPECT_TRUE(kept.Text().empty());
    EXPECT_FALSE(kept.Image().Matches(d.List, d.Header, d.Shift));

    vertices = count;
    ASSERT_EQ(kept.Update(d.List, d.Header, d.Shift, error), TextUpdate::Changed) << error;
    EXPECT_EQ(kept.Text(), FullText(d));
}

} // namespace
} // namespace velmora
