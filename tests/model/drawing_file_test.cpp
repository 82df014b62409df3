// The drawing file: every record's field order (against a drawing written by hand from the record table,
// whose values are all distinct so a swapped field shows), the coordinate shift, byte-exact round trips, and
// the refusal of damaged files.
#include "model/drawing_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <limits>

using namespace velmora;
using velmora::test::Fixture;
using velmora::test::ReadFile;

namespace {

std::string EveryKind() {
    return ReadFile(Fixture("every_kind.BMS"));
}

TFlist Parse(const std::string& text, CoordShift shift = {}) {
    TFlist list;
    DrawingHeader header;
    auto fault = ParseDrawing(text, shift, list, header);
    EXPECT_FALSE(fault) << (fault ? fault->Message : "");
    return list;
}

template <class T> const T& As(const TFlist& list, int i) {
    const auto* obj = dynamic_cast<const T*>(list.At(i));
    EXPECT_NE(obj, nullptr) << "object " << i << " has the wrong class";
    return *obj;
}

std::string Format(const TFlist& list, const DrawingHeader& header = {}, CoordShift shift = {}) {
    std::string out, error;
    EXPECT_TRUE(FormatDrawing(list, header, shift, out, error)) << error;
    return out;
}

std::string ToLf(std::string s) {
    std::erase(s, '\r');
    return s;
}

} // namespace

TEST(DrawingFile, HeaderValues) {
    TFlist list;
    DrawingHeader header;
    ASSERT_FALSE(ParseDrawing(EveryKind(), {}, list, header));
    EXPECT_EQ(list.ObjectCount(), 21);
    EXPECT_EQ(header, (DrawingHeader{2, 3, 1, 42}));
}

TEST(DrawingFile, EveryRecordReadsItsFieldsInTableOrder) {
    const TFlist list = Parse(EveryKind());

    const auto& floor = As<TInfoobj>(list, 0);
    EXPECT_EQ(
        std::tuple(floor.InfoA, floor.InfoD, floor.X1, floor.Z1, floor.Y1, floor.X2, floor.Z2, floor.Y2),
        std::tuple(1, 4, 5, 6, 7, 8, 9, 10));
    EXPECT_EQ(floor.FloorArea, 80);

    const auto& line = As<TLineobj>(list, 6);
    EXPECT_EQ(std::tuple(line.Highlight, line.Aux, line.X1, line.Z1, line.X2, line.Z2, line.Y1, line.Y2),
              std::tuple(7, 8, 11, 12, 13, 14, 15, 16));
    EXPECT_EQ(std::tuple(line.LineAttrB, line.LineAttrA, line.Colour, line.PenWidth, line.PenStyle),
              std::tuple(17, 18, 19, 2, 1));

    const auto& arc = As<TArcobj>(list, 7);
    EXPECT_EQ(std::tuple(arc.X1, arc.Z1, arc.Y1, arc.X2, arc.Z2, arc.Y2), std::tuple(21, 22, 23, 24, 25, 26));
    EXPECT_EQ(std::tuple(arc.StartX, arc.StartY, arc.EndX, arc.EndY, arc.Colour),
              std::tuple(27, 28, 29, 30, 31));

    const auto& text = As<TTextobj>(list, 8);
    EXPECT_EQ(std::tuple(text.X1, text.Y1, text.X2, text.Y2, text.Z1, text.Colour),
              std::tuple(41, 42, 900, 44, 45, 46));
    EXPECT_EQ(std::tuple(text.Angle, text.Align, text.Height, text.Weight), std::tuple(0, 6, 10, 400));
    EXPECT_EQ(text.FontName(), "DejaVu Sans");
    EXPECT_EQ(text.Text(), "Hello world");

    // Both strings begin with a blank: only the one separator blank is consumed.
    const auto& label = As<TTextobj>(list, 9);
    EXPECT_EQ(label.FontName(), " Mono");
    EXPECT_EQ(label.Text(), " two  blanks ");
    EXPECT_EQ(std::tuple(label.X1, label.Y1, label.Angle, label.Weight), std::tuple(-47, -48, 2700, 700));

    const auto& ellipse = As<TEllipseobj>(list, 10);
    EXPECT_EQ(std::tuple(ellipse.X1, ellipse.Z1, ellipse.X2, ellipse.Z2, ellipse.Y1, ellipse.Y2),
              std::tuple(51, 52, 53, 54, 55, 56));
    EXPECT_EQ(std::tuple(ellipse.FillColour, ellipse.Colour), std::tuple(57, 58));
    EXPECT_EQ(As<TCircleobj>(list, 11).FillColour, 67);

    const auto& round = As<TRndrectobj>(list, 12);
    EXPECT_EQ(std::tuple(round.CornerSize, round.FillColour, round.Colour, round.PenStyle),
              std::tuple(77, 78, 79, 2));

    const auto& wall = As<TExtwallobj>(list, 13);
    EXPECT_EQ(std::tuple(wall.Highlight, wall.Aux, wall.WallFlag, wall.X1, wall.Z1, wall.Y1, wall.X2, wall.Z2,
                         wall.Y2),
              std::tuple(5, 4000, 1, 101, 102, 103, 104, 105, 106));
    EXPECT_EQ(std::tuple(wall.Face1X1, wall.Face1Y1, wall.Face2Y2, wall.Face3X1, wall.Face3Y2),
              std::tuple(107, 108, 114, 115, 118));
    EXPECT_EQ(std::tuple(wall.CopyX2, wall.CopyZ1, wall.CopyY2, wall.Leaf1, wall.Cavity, wall.Leaf2),
              std::tuple(119, 120, 121, 110, 55, 110));
    EXPECT_EQ(std::tuple(wall.WallParamA, wall.WallParamD, wall.Angle, wall.Spare1, wall.Spare3, wall.Colour),
              std::tuple(122, 125, 900, 126, 128, 129));
    EXPECT_EQ(wall.WallCodes, (std::array<std::int32_t, 4>{100, 18, 100, 20}));

    const auto& inwall = As<TInwallobj>(list, 14);
    EXPECT_EQ(std::tuple(inwall.InWallFlag, inwall.X1, inwall.Z1, inwall.Y1, inwall.SecondX1, inwall.SecondZ,
                         inwall.SecondY1, inwall.SecondX2, inwall.SecondY2),
              std::tuple(1, 151, 152, 153, 157, 158, 159, 160, 161));
    EXPECT_EQ(std::tuple(inwall.EndPointX, inwall.EndPointZ, inwall.EndPointY, inwall.Thickness,
                         inwall.InParamA, inwall.InParamD),
              std::tuple(162, 163, 164, 100, 165, 168));
    EXPECT_EQ(std::tuple(inwall.StartJoinBearing, inwall.EndJoinBearing, inwall.Angle, inwall.InParamE,
                         inwall.InParamF, inwall.Colour),
              std::tuple(-1, 900, 1800, 169, 170, 171));

    const auto& arrow = As<TArrowobj>(list, 15);
    EXPECT_EQ(std::tuple(arrow.X1, arrow.Y1, arrow.X2, arrow.Y2, arrow.HeadAX, arrow.TailBY, arrow.Colour),
              std::tuple(201, 202, 203, 204, 205, 212, 213));

    const auto& dim = As<TDimensobj>(list, 16);
    EXPECT_EQ(std::tuple(dim.X3, dim.Y3, dim.X4, dim.Y4, dim.Orientation, dim.TickStyle, dim.Colour),
              std::tuple(225, 226, 227, 228, 900, 1, 229));

    const auto& room = As<TRoomobj>(list, 17);
    EXPECT_EQ(std::tuple(room.View, room.Highlight, room.RoomWidth, room.RoomLength, room.DimensionStyle,
                         room.RoomFill, room.TextSize),
              std::tuple(40, 9, 3600, 3000, 2, 305, 10));
    EXPECT_EQ(std::tuple(room.RoomName(), room.WidthText(), room.LengthText()),
              std::tuple("Bed 1", "3600", "3000"));

    const auto& window = As<TWindowobj>(list, 18);
    EXPECT_EQ(std::tuple(window.InsertX, window.InsertY, window.InsertZ, window.WinParam5, window.WinParam1,
                         window.WinParam4, window.WinParam10, window.Colour, window.WinParam14),
              std::tuple(401, 402, 403, 415, 411, 414, 420, 430, 424));
    EXPECT_EQ(window.Label(), "W 01");

    const auto& door = As<TDoorobj>(list, 19);
    EXPECT_EQ(std::tuple(door.DoorParam7, door.DoorParam1, door.DoorParam6, door.DoorParam15, door.Colour,
                         door.DoorParam16, door.DoorParam21),
              std::tuple(517, 511, 516, 525, 599, 526, 531));
    EXPECT_EQ(door.Label(), "Door A");

    const auto& poly = As<TPolyobj>(list, 20);
    EXPECT_EQ(std::tuple(poly.PolyParam6, poly.PolyParam7, poly.PolyParam2, poly.PolyParam3, poly.VertexCount,
                         poly.PolyParam1, poly.PolyParam4, poly.PolyParam5),
              std::tuple(606, 607, 602, 603, 4, 601, 604, 605));
    EXPECT_EQ(std::tuple(poly.FillColour, poly.PolyParam8, poly.Colour, poly.PolyRefX, poly.PolyRefZ,
                         poly.PolyRefY),
              std::tuple(610, 608, 611, 612, 613, 614));
    EXPECT_EQ(std::tuple(poly.Xs[0], poly.Zs[0], poly.Ys[0], poly.Xs[3], poly.Ys[3]),
              std::tuple(1000, 1, 2000, 1000, 4000));
    EXPECT_EQ(poly.MarkedEdges, (std::array<std::int32_t, 4>{0, 2, 100, 100}));
}

TEST(DrawingFile, ShiftMovesXAndYFieldsOnly) {
    const TFlist list = Parse(EveryKind(), {1000, 2000});
    const auto& line = As<TLineobj>(list, 6);
    EXPECT_EQ(std::tuple(line.X1, line.Z1, line.X2, line.Y1, line.Y2),
              std::tuple(1011, 12, 1013, 2015, 2016));
    // A text's second point holds a direction code, not a coordinate.
    EXPECT_EQ(As<TTextobj>(list, 8).X2, 900);
    const auto& inwall = As<TInwallobj>(list, 14);
    EXPECT_EQ(std::tuple(inwall.EndPointX, inwall.EndPointZ, inwall.EndPointY), std::tuple(1162, 163, 2164));
    const auto& poly = As<TPolyobj>(list, 20);
    EXPECT_EQ(std::tuple(poly.Xs[0], poly.Zs[0], poly.Ys[0], poly.PolyRefZ), std::tuple(2000, 1, 4000, 613));
}

TEST(DrawingFile, ChangingTheSheetBetweenWriteAndReadMovesEveryObjectByTheDifference) {
    const TFlist original = Parse(EveryKind(), CoordShift::ForSheet(5000, 2500, 5));
    const TFlist moved = Parse(Format(original, {2, 3, 1, 42}, CoordShift::ForSheet(5000, 2500, 5)),
                               CoordShift::ForSheet(6000, 2000, 5));
    EXPECT_EQ(moved.At(6)->X1 - original.At(6)->X1, 2500);
    EXPECT_EQ(moved.At(6)->Y1 - original.At(6)->Y1, -1250);
}

// Moving a list from one shift to another is the same as writing it with the first and reading it with the
// second: every sheet-relative field of every kind moves, nothing else does, and the file it writes with the
// new shift is the one it was read from.
TEST(DrawingFile, MovingToAnotherShiftKeepsWhatTheFileStores) {
    const CoordShift from = CoordShift::ForSheet(5000, 2500, 5), to = CoordShift::ForSheet(20000, 3125, 5);
    const DrawingHeader header{2, 3, 1, 42};
    TFlist list = Parse(EveryKind(), from);
    ASSERT_TRUE(MoveToShift(list, from, to));
    EXPECT_EQ(Format(list, header, to), EveryKind());
    const TFlist reread = Parse(EveryKind(), to);
    EXPECT_EQ(Format(list, header), Format(reread, header));
}

TEST(DrawingFile, AListThatCannotFollowTheShiftStaysWhereItWas) {
    TFlist list = Parse(EveryKind(), {});
    // The last object reaches the top of the 32-bit range: no object of the list moves, the first ones
    // neither.
    list.Append(
        std::make_unique<TLineobj>(1, 120, 0, 0, 0, std::numeric_limits<std::int32_t>::max() - 10, 0, 0, 0));
    const std::string before = Format(list);
    EXPECT_FALSE(MoveToShift(list, {}, {0, 100}));
    EXPECT_EQ(Format(list), before);
    EXPECT_TRUE(MoveToShift(list, {}, {100, 10}));
    EXPECT_EQ(list.At(list.ObjectCount() - 1)->Y1, std::numeric_limits<std::int32_t>::max());
}

TEST(DrawingFile, RoundTripIsByteExactAndLfInputComesBackWithCrLf) {
    const std::string crlf = EveryKind();
    for (const std::string& input : {crlf, ToLf(crlf)}) {
        TFlist list;
        DrawingHeader header;
        ASSERT_FALSE(ParseDrawing(input, {7, 9}, list, header));
        EXPECT_EQ(Format(list, header, {7, 9}), crlf);
    }
}

TEST(DrawingFile, EmptyListWritesTheHeaderOnly) {
    TFlist list;
    EXPECT_EQ(Format(list, {0, 0, 0, 5}), "0 0 0 0 0 5\r\n");
    DrawingHeader header;
    EXPECT_FALSE(ParseDrawing("0 0 0 0 0 5\r\n", {}, list, header));
    EXPECT_EQ(list.ObjectCount(), 0);
}

TEST(DrawingFile, ElementNumbersSurviveTheWriter) {
    TFlist list;
    auto wall = std::make_unique<TExtwallobj>();
    wall->Highlight = 17; // the element number the wall tool stores
    list.Append(std::move(wall));
    const TFlist back = Parse(Format(list));
    EXPECT_EQ(back.At(0)->Highlight, 17);
}

TEST(DrawingFile, ThirtyTwoBitExtremesRoundTripAndWiderValuesAreRefused) {
    TFlist list;
    list.Append(std::make_unique<TLineobj>(1, 120, 0, 0, std::numeric_limits<std::int32_t>::min(), 0,
                                           std::numeric_limits<std::int32_t>::max(), 0, 0));
    const std::string text = Format(list);
    EXPECT_NE(text.find("-2147483648"), std::string::npos);
    const TFlist back = Parse(text);
    EXPECT_EQ(back.At(0)->X1, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(back.At(0)->X2, std::numeric_limits<std::int32_t>::max());

    // Shifting the extreme value would leave 32 bits: the writer refuses rather than wrapping.
    std::string out, error;
    EXPECT_FALSE(FormatDrawing(list, {}, {1, 0}, out, error));
    EXPECT_NE(error.find("too far"), std::string::npos);
}

TEST(DrawingFile, WriterRefusesAnObjectWhoseKindIsNotItsClass) {
    TFlist list;
    auto mask = std::make_unique<TPolyobj>();
    mask->Kind = 100; // a polygon posing as a wall would be read back as a wall
    list.Append(std::move(mask));
    std::string out, error;
    EXPECT_FALSE(FormatDrawing(list, {}, {}, out, error));
    EXPECT_NE(error.find("kind 100"), std::string::npos);
}

TEST(DrawingFile, SettersBoundStringsToTheirFields) {
    TTextobj text;
    EXPECT_FALSE(text.SetText(std::string(100, 'x')));
    EXPECT_EQ(text.TextLen(), 79);
    EXPECT_FALSE(text.SetFontName(std::string(40, 'f')));
    EXPECT_EQ(text.FontNameLen(), 31);
    // A letter of two bytes at the limit is dropped whole, and line breaks never reach a record.
    EXPECT_FALSE(text.SetText(std::string(78, 'a') + "\xC3\xA9"));
    EXPECT_EQ(text.Text(), std::string(78, 'a'));
    EXPECT_FALSE(text.SetText("two\r\nlines"));
    EXPECT_EQ(text.Text(), "twolines");
    TPolyobj poly;
    EXPECT_FALSE(poly.SetVertices(std::vector<Point>(20)));
    EXPECT_TRUE(poly.SetVertices(std::vector<Point>(19)));
}

namespace {

struct Damage {
    const char* Name;
    std::string (*Make)(std::string);
    int Line;
    const char* Says;
};

std::string ReplaceFirst(std::string s, const std::string& from, const std::string& to) {
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
}

const Damage Damages[] = {
    {"truncated inside a record", [](std::string s) { return s.substr(0, s.find("8\r\n8 120")); }, 26,
     "ends after 12 of the 21"},
    {"cut in the middle of a line", [](std::string s) { return s.substr(0, s.find(" 57 58")); }, 23,
     "ends inside a record"},
    {"unknown kind", [](std::string s) { return ReplaceFirst(s, "3\r\n3 120", "7\r\n7 120"); }, 16,
     "unknown object kind 7"},
    {"record kind differs from its kind line",
     [](std::string s) { return ReplaceFirst(s, "3\r\n3 120", "3\r\n1 120"); }, 17,
     "differs from its kind line"},
    {"header counts more objects",
     [](std::string s) { return ReplaceFirst(s, "21 2 3 0 1 42", "22 2 3 0 1 42"); }, 62,
     "ends after 21 of the 22"},
    {"header counts fewer objects",
     [](std::string s) { return ReplaceFirst(s, "21 2 3 0 1 42", "20 2 3 0 1 42"); }, 52,
     "more objects than the 20"},
    {"text length beyond its field",
     [](std::string s) { return ReplaceFirst(s, "46 11 0 6 11", "46 80 0 6 11"); }, 19,
     "beyond its field of 79"},
    {"font name length beyond its field",
     [](std::string s) { return ReplaceFirst(s, "46 11 0 6 11", "46 11 0 6 32"); }, 19,
     "beyond its field of 31"},
    {"room name beyond its field",
     [](std::string s) { return ReplaceFirst(s, "10 5 4 4 Bed", "10 21 4 4 Bed"); }, 47,
     "beyond its field of 20"},
    {"label beyond its field", [](std::string s) { return ReplaceFirst(s, "424 4 W 01", "424 32 W 01"); }, 49,
     "beyond its field of 31"},
    {"string longer than its line",
     [](std::string s) { return ReplaceFirst(s, "46 11 0 6 11", "46 12 0 6 11"); }, 19,
     "past the end of its line"},
    {"strings longer than their lengths",
     [](std::string s) { return ReplaceFirst(s, "46 11 0 6 11", "46 10 0 6 11"); }, 19,
     "longer than their lengths"},
    {"more than 19 vertices",
     [](std::string s) { return ReplaceFirst(s, "602 603 4 601", "602 603 20 601"); }, 53,
     "20 vertices, more than 19"},
    {"negative vertex count",
     [](std::string s) { return ReplaceFirst(s, "602 603 4 601", "602 603 -1 601"); }, 53, "negative"},
    {"text where a number belongs", [](std::string s) { return ReplaceFirst(s, "51 52 53", "51 5x2 53"); },
     23, "'5x2' where a number belongs"},
    {"missing number at a line end",
     [](std::string s) { return ReplaceFirst(s, "126 127 128 129", "126 127 128"); }, 31,
     "line ends where a number belongs"},
    {"extra number on a line",
     [](std::string s) { return ReplaceFirst(s, "126 127 128 129", "126 127 128 129 1"); }, 31,
     "after the last number"},
    {"number beyond 32 bits", [](std::string s) { return ReplaceFirst(s, "51 52 53", "51 4294967296 53"); },
     23, "out of range"},
    {"negative object count", [](std::string s) { return ReplaceFirst(s, "21 2 3 0 1 42", "-1 2 3 0 1 42"); },
     1, "negative"},
    {"unknown measuring system",
     [](std::string s) { return ReplaceFirst(s, "21 2 3 0 1 42", "21 2 3 0 7 42"); }, 1, "neither 0 nor 1"},
    {"empty file", [](std::string) { return std::string(); }, 1, "empty"},
    {"not a drawing at all", [](std::string) { return std::string("<html><body>hello</body></html>\n"); }, 1,
     "where a number belongs"},
};

} // namespace

class DamagedDrawing : public testing::TestWithParam<Damage> {};

TEST_P(DamagedDrawing, IsRefusedWholeWithItsLineAndTheListIsLeftAsItWas) {
    const Damage& d = GetParam();
    TFlist list;
    list.Append(std::make_unique<TLineobj>(1, 120, 0, 0, 1, 2, 3, 4, 5));
    DrawingHeader header{9, 9, 0, 9};
    const auto fault = ParseDrawing(d.Make(EveryKind()), {}, list, header);
    ASSERT_TRUE(fault) << d.Name;
    EXPECT_EQ(fault->Line, d.Line) << d.Name << ": " << fault->Message;
    EXPECT_NE(fault->Message.find(d.Says), std::string::npos) << d.Name << ": " << fault->Message;
    EXPECT_EQ(list.ObjectCount(), 1);
    EXPECT_EQ(header, (DrawingHeader{9, 9, 0, 9}));
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedDrawing, testing::ValuesIn(Damages), [](const auto& info) {
    std::string name = info.param.Name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
});

TEST(DrawingFile, EmptyStringsNeedNoSeparatorAtTheLineEnd) {
    // An editor that strips trailing blanks leaves a text with empty strings still readable.
    TFlist list;
    DrawingHeader header;
    EXPECT_FALSE(ParseDrawing("1 0 0 0 1 0\n4\n4 120 0 0 1 2 0 0 0 0 0 0 1 0 10 400\n", {}, list, header));
    ASSERT_EQ(list.ObjectCount(), 1);
    EXPECT_EQ(static_cast<const TTextobj*>(list.At(0))->Text(), "");
}
