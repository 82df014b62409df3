// The image of a list stands for its drawing file: a change of any one stored field of any record, of a
// string, of the header or of the coordinate shift makes it differ, and an equal list matches it.
#include "model/list_image.h"

#include "model/object_records.h"
#include "model/every_kind_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

using test::ReadEveryKind;

// Changes the target-th stored number or string of one record (the kind and vertex count excepted, which
// decide the record's shape) and counts what it walked past.
class BumpOne {
public:
    explicit BumpOne(int target) : Target(target) {}
    void Kind(std::int32_t&) {}
    void VertexCount(std::int32_t&) {}
    void N(std::int32_t& f) { Bump(f); }
    void X(std::int32_t& f) { Bump(f); }
    void Y(std::int32_t& f) { Bump(f); }
    void Len(std::string&, std::size_t) {}
    void Str(std::string& s) {
        if (Seen++ == Target) s += 'x';
    }
    void EndLine() {}
    int Seen = 0;

private:
    void Bump(std::int32_t& f) {
        if (Seen++ == Target) f += 1;
    }
    int Target;
};

TEST(ListImageTest, EveryStoredFieldOfEveryKindShows) {
    DrawingHeader header;
    TFlist list = ReadEveryKind(header);
    ASSERT_GT(list.ObjectCount(), 10);
    const ListImage image = ListImage::Of(list, header, {});
    ASSERT_TRUE(image.Matches(list, header, {}));
    for (int i = 0; i < list.ObjectCount(); ++i) {
        BumpOne count(-1);
        VisitRecord(*list.At(i), count);
        for (int k = 0; k < count.Seen; ++k) {
            TFlist changed = ReadEveryKind(header);
            BumpOne bump(k);
            VisitRecord(*changed.At(i), bump);
            EXPECT_FALSE(image.Matches(changed, header, {})) << "object " << i << ", field " << k;
        }
    }
}

TEST(ListImageTest, TheListAsAWholeTheHeaderAndTheShiftShow) {
    DrawingHeader header;
    const TFlist list = ReadEveryKind(header);
    const ListImage image = ListImage::Of(list, header, {});
    DrawingHeader counted = header;
    ++counted.NextElementNo;
    EXPECT_FALSE(image.Matches(list, counted, {}));
    EXPECT_FALSE(image.Matches(list, header, {0, 1}));

    TFlist longer = ReadEveryKind(header);
    longer.Append(MakeObjectOfKind(1));
    EXPECT_FALSE(image.Matches(longer, header, {}));
    TFlist shorter = ReadEveryKind(header);
    shorter.RemoveAt(shorter.ObjectCount() - 1);
    EXPECT_FALSE(image.Matches(shorter, header, {}));
    TFlist swapped = ReadEveryKind(header);
    auto first = swapped.At(0)->Clone();
    swapped.Replace(0, swapped.At(1)->Clone());
    swapped.Replace(1, std::move(first));
    EXPECT_FALSE(image.Matches(swapped, header, {})) << "the order of the records";
}

// What a save may keep of its last text: the leading and trailing objects the list still shares with the
// imaged one, and nothing when the shift moved every stored coordinate.
TEST(ListImageTest, CompareFindsTheSharedLeadingAndTrailingObjects) {
    DrawingHeader header;
    const TFlist list = ReadEveryKind(header);
    const ListImage image = ListImage::Of(list, header, {});
    const int n = list.ObjectCount();
    struct Case {
        const char* What;
        std::function<void(TFlist&)> Edit;
        CoordShift Shift;
        int Same, SameTail;
    };
    const Case cases[] = {
        {"unchanged", [](TFlist&) {}, {}, n, 0},
        {"one added at the end", [](TFlist& l) { l.Append(l.At(7)->Clone()); }, {}, n, 0},
        {"one changed in the middle", [](TFlist& l) { l.At(10)->View += 1; }, {}, 10, n - 11},
        {"one removed from the middle", [](TFlist& l) { l.RemoveAt(10); }, {}, 10, n - 11},
        {"the last changed", [n](TFlist& l) { l.At(n - 1)->View += 1; }, {}, n - 1, 0},
        {"the first changed", [](TFlist& l) { l.At(0)->View += 1; }, {}, 0, n - 1},
        {"all but the first removed",
         [n](TFlist& l) { l.RemoveFrom(1, [](const TObj&) { return true; }); },
         {},
         1,
         0},
        {"the sheet moved", [](TFlist&) {}, {3, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        DrawingHeader h;
        TFlist edited = ReadEveryKind(h);
        c.Edit(edited);
        const ListDifference d = image.Compare(edited, c.Shift);
        EXPECT_EQ(std::pair(d.Same, d.SameTail), std::pair(c.Same, c.SameTail)) << c.What;
    }
    EXPECT_EQ(ListImage{}.Compare(list, {}).Same, 0) << "an empty image shares nothing";
}

} // namespace
} // namespace velmora
