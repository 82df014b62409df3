#include "dialogs/design_room_dialogs.h"

#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "building/design_room_geometry.h"
#include "platform/ui.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr int MinPartitionMm = 50, MaxPartitionMm = 900;
constexpr int MinPartitionInches = 2, MaxPartitionInches = 36;
constexpr const char* SizeGroup = "size";

void AddChoices(DialogDescription& d, int dimensionStyle, int colourChoice) {
    using C = RoomChoices;
    const char* colours[] = {C::NoColour, C::WetArea, C::Bedroom, C::OtherRoom};
    for (int i = 0; i < 4; ++i)
        d.Fields.push_back(RadioField(colours[i], colourChoice == i + 1, C::ColourGroup));
    const char* styles[] = {C::NoDimensions, C::BothArrows, C::HorizontalOnly, C::VerticalOnly};
    const int codes[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i)
        d.Fields.push_back(RadioField(styles[i], dimensionStyle == codes[i], C::DimensionGroup));
}

int ColourChoiceOf(const DialogDescription& d) {
    using C = RoomChoices;
    if (d.IsOn(C::WetArea)) return 2;
    if (d.IsOn(C::Bedroom)) return 3;
    if (d.IsOn(C::OtherRoom)) return 4;
    return 1;
}

int DimensionStyleOf(const DialogDescription& d) {
    using C = RoomChoices;
    if (d.IsOn(C::BothArrows)) return 2;
    if (d.IsOn(C::HorizontalOnly)) return 3;
    if (d.IsOn(C::VerticalOnly)) return 4;
    return 0;
}

// A number field that holds a number: an empty or garbled field is no value at all.
std::optional<int> NumberIn(const DialogDescription& d, const char* label) {
    const std::string v = d.Value(label);
    if (v.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    const int n = ReadNumberOrZero(v);
    if (n == 0 && v.find('0') == std::string::npos) return std::nullopt;
    return n;
}

// Inches with an eighths fraction as world units; nothing when a field is out of its range.
std::optional<int> InchesWithFraction(const DialogDescription& d, const char* inches, const char* num,
                                      const char* den, std::optional<int> feet = 0) {
    const auto i = NumberIn(d, inches);
    const int n = ReadNumberOrZero(d.Value(num)), q = ReadNumberOrZero(d.Value(den));
    if (!feet || !i || *i < 0 || n < 0 || n > 7 || q < 0 || q > 8 || (n > 0 && q <= n)) return std::nullopt;
    int w = (*feet * 12 + *i) * 24;
    if (n > 0 && (q == 2 || q == 4 || q == 8)) w += n * 24 / q;
    return w;
}

void AddFeet(DialogDescription& d, int world, const char* feet, const char* inches, const char* num,
             const char* den) {
    const FeetFields f = FeetFieldsFor(world);
    d.Fields.push_back(MakeField(feet, FieldKind::Number, f.Feet, SizeGroup));
    d.Fields.push_back(Beside(MakeField(inches, FieldKind::Number, f.Inches, SizeGroup)));
    d.Fields.push_back(Beside(MakeField(num, FieldKind::Number, f.Numerator, SizeGroup)));
    d.Fields.push_back(Beside(MakeField(den, FieldKind::Number, f.Denominator, SizeGroup)));
}

std::optional<int> FeetValue(const DialogDescription& d, const char* feet, const char* inches,
                             const char* num, const char* den) {
    const auto i = NumberIn(d, inches);
    if (i && *i > 11) return std::nullopt;
    return InchesWithFraction(d, inches, num, den, NumberIn(d, feet));
}

bool SizeFits(std::optional<int> v, int metricFlag) {
    return v && *v >= MinRoomSide(metricFlag) && *v <= MaxRoomSide(metricFlag);
}

std::string SizeRefusal(const char* which, int metricFlag) {
    return std::string(which) + " input is incorrect\n" +
           (metricFlag == 1 ? "200 - 30000 mm." : "8 inches - 98 ft.");
}

} // namespace

DialogDescription TTRoomptndlg::Make(int thicknessMm) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "droom.htm";
    d.Fields.push_back(NumberField(Thickness, thicknessMm));
    d.Fields.push_back(StaticText(Note));
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        // An empty field is no thickness: it is refused like any value out of range.
        const auto t = NumberIn(dialog, Thickness);
        if (t && *t >= MinPartitionMm && *t <= MaxPartitionMm) return std::nullopt;
        return std::string("the input range is between 50 - 900 ");
    };
    return d;
}

int TTRoomptndlg::ThicknessOf(const DialogDescription& d) {
    return ReadNumberOrZero(d.Value(Thickness));
}

DialogDescription TTRoomptnimp::Make(int thicknessWorld) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "droom.htm";
    const int inches = thicknessWorld > 0 ? thicknessWorld / 24 : 4;
    const auto fraction = thicknessWorld > 0 ? EighthsOf(thicknessWorld % 24) : std::nullopt;
    d.Fields.push_back(NumberField(Inches, inches));
    d.Fields.push_back(Beside(NumberField(Numerator, fraction ? fraction->Numerator : 0)));
    d.Fields.push_back(Beside(NumberField(Denominator, fraction ? fraction->Denominator : 0)));
    d.Fields.push_back(StaticText(Note));
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        const auto w = InchesWithFraction(dialog, Inches, Numerator, Denominator);
        if (w && *w >= MinPartitionInches * 24 && *w <= MaxPartitionInches * 24) return std::nullopt;
        return std::string("the input range is between 2 - 36 inches ");
    };
    return d;
}

int TTRoomptnimp::ThicknessOf(const DialogDescription& d) {
    return InchesWithFraction(d, Inches, Numerator, Denominator).value_or(0);
}

DialogDescription TTRoomdlg::Make(int widthMm, int lengthMm, int dimensionStyle, int colourChoice) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "droom.htm";
    DialogField name = MakeField(Name, FieldKind::Text, "name");
    name.MaxLength = 15;
    d.Fields.push_back(name);
    d.Fields.push_back(NumberField(Width, widthMm, SizeGroup));
    d.Fields.push_back(NumberField(Length, lengthMm, SizeGroup));
    AddChoices(d, dimensionStyle, colourChoice);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        if (!SizeFits(NumberIn(dialog, Width), 1)) return SizeRefusal("horizontal size", 1);
        if (!SizeFits(NumberIn(dialog, Length), 1)) return SizeRefusal("vertical size", 1);
        return std::nullopt;
    };
    return d;
}

DialogDescription TTRoomimpdlg::Make(int widthWorld, int lengthWorld, int dimensionStyle, int colourChoice) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "droom.htm";
    DialogField name = MakeField(Name, FieldKind::Text, "name");
    name.MaxLength = 15;
    d.Fields.push_back(name);
    AddFeet(d, widthWorld, WidthFeet, WidthInches, WidthNumerator, WidthDenominator);
    AddFeet(d, lengthWorld, LengthFeet, LengthInches, LengthNumerator, LengthDenominator);
    AddChoices(d, dimensionStyle, colourChoice);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        if (!SizeFits(FeetValue(dialog, WidthFeet, WidthInches, WidthNumerator, WidthDenominator), 0))
            return SizeRefusal("horizontal size", 0);
        if (!SizeFits(FeetValue(dialog, LengthFeet, LengthInches, LengthNumerator, LengthDenominator), 0))
            return SizeRefusal("vertical size", 0);
        return std::nullopt;
    };
    return d;
}

std::optional<int> AskRoomPartition(Ui& ui, int metricFlag, int stored) {
    const bool metric = metricFlag == 1;
    DialogDescription d = metric ? TTRoomptndlg::Make(stored) : TTRoomptnimp::Make(stored);
    if (!RunAccepted(ui, d)) return std::nullopt;
    return metric ? TTRoomptndlg::ThicknessOf(d) : TTRoomptnimp::ThicknessOf(d);
}

std::optional<RoomDetails> AskRoomDetails(Ui& ui, const std::filesystem::path& home, int metricFlag,
                                          int width, int length) {
    const auto last = ReadSettingsInts(home, "NEWRM.CFG", 2);
    const int style = last ? (*last)[0] : 2, colour = last ? (*last)[1] : 1;
    const bool metric = metricFlag == 1;
    DialogDescription d = metric ? TTRoomdlg::Make(width, length, style, colour)
                                 : TTRoomimpdlg::Make(width, length, style, colour);
    if (!RunAccepted(ui, d)) return std::nullopt;
    RoomDetails r;
    r.Name = d.Value(TTRoomdlg::Name);
    if (r.Name.find_first_not_of(' ') == std::string::npos) r.Name = "none";
    if (metric) {
        r.Width = ReadNumberOrZero(d.Value(TTRoomdlg::Width));
        r.Length = ReadNumberOrZero(d.Value(TTRoomdlg::Length));
    } else {
        using I = TTRoomimpdlg;
        r.Width =
            FeetValue(d, I::WidthFeet, I::WidthInches, I::WidthNumerator, I::WidthDenominator).value_or(0);
        r.Length = FeetValue(d, I::LengthFeet, I::LengthInches, I::LengthNumerator, I::LengthDenominator)
                       .value_or(0);
    }
    r.ColourChoice = ColourChoiceOf(d);
    r.DimensionStyle = DimensionStyleOf(d);
    std::string error;
    ReportWrite(ui, WriteSettingsLine(home, "NEWRM.CFG", error, "%d %d", r.DimensionStyle, r.ColourChoice),
                error);
    return r;
}

} // namespace velmora
