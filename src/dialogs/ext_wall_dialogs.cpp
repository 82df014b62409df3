#include "dialogs/ext_wall_dialogs.h"

#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr const char* SideCaptions[] = {"below the main wall line", "left of the main wall line",
                                        "above the main wall line", "right of the main wall line"};

// The metric custom sizes: each field's name for the message, and its range.
struct MetricLimit {
    const char* Label;
    const char* Name;
    int Min, Max;
    const char* Range;
};
constexpr MetricLimit MetricLimits[] = {
    {TTTCustwalldlg::Total, "total thickness", 70, 900, "70 - 900 mm."},
    {TTTCustwalldlg::CavityField, "cavity", 0, 700, "0 - 700 mm."},
    {TTTCustwalldlg::Inner, "inner wall", 0, 800, "0 - 800 mm."},
};

std::string MetricMessage(const MetricLimit& l) {
    return std::string(l.Name) + " input is incorrect\n" + l.Range;
}

// One group of the imperial dialog: whole inches and a fraction.
struct ImperialGroup {
    const char* Name;
    int MinInches, MaxInches;
    const char* Message;
};
constexpr ImperialGroup ImperialGroups[] = {
    {TTCustwallimpdlg::TotalGroup, 3, 30,
     "first input group is incorrect - it must be within the range shown or is not a valid fraction"},
    {TTCustwallimpdlg::CavityGroup, 0, 20,
     "second input group is incorrect - it must be within the range shown or is not a valid fraction"},
    {TTCustwallimpdlg::InnerGroup, 0, 20,
     "last input group is incorrect - it must be within the range shown or is not a valid fraction"},
};

std::string Label(const char* group, const char* part) {
    return std::string(group) + " " + part;
}

struct InchFields {
    int Inches, Numerator, Denominator;
    bool Numbers;
};

InchFields ReadGroup(const DialogDescription& d, const char* group) {
    const auto read = [&](const char* part, int& v) {
        const std::string text = d.Value(Label(group, part));
        v = ReadNumberOrZero(text);
        return v != 0 || text.find_first_not_of(" 0") == std::string::npos;
    };
    InchFields f{};
    const bool a = read("inches", f.Inches), b = read("numerator", f.Numerator),
               c = read("denominator", f.Denominator);
    f.Numbers = a && b && c;
    return f;
}

bool GroupInRange(const InchFields& f, const ImperialGroup& g) {
    return f.Numbers && f.Inches >= g.MinInches && f.Inches <= g.MaxInches && f.Numerator >= 0 &&
           f.Numerator <= 7 && f.Denominator >= 0 && f.Denominator <= 8 && f.Denominator >= f.Numerator;
}

// Only halves, quarters and eighths count; any other fraction is dropped.
int WorldOf(const InchFields& f) {
    const int d = f.Denominator;
    const bool counts = (d == 2 || d == 4 || d == 8) && f.Numerator < d;
    return f.Inches * 24 + (counts ? f.Numerator * 24 / d : 0);
}

std::optional<std::string> CheckMetric(const DialogDescription& d) {
    std::optional<std::string> refusal;
    for (const MetricLimit& l : MetricLimits) {
        const int v = ReadNumberOrZero(d.Value(l.Label));
        if (v < l.Min || v > l.Max) refusal = MetricMessage(l);
    }
    if (refusal) return refusal;
    // A cavity and inner leaf that leave no outer leaf make no wall: the total is too small for them.
    const auto v = TTTCustwalldlg::Values(d);
    if (!CustomWallType(v[0], v[1], v[2])) return MetricMessage(MetricLimits[0]);
    return std::nullopt;
}

std::optional<std::string> CheckImperial(const DialogDescription& d) {
    std::optional<std::string> refusal;
    for (const ImperialGroup& g : ImperialGroups)
        if (!GroupInRange(ReadGroup(d, g.Name), g)) refusal = g.Message;
    if (refusal) return refusal;
    const auto v = TTCustwallimpdlg::Values(d);
    if (!CustomWallType(v[0], v[1], v[2])) return std::string(ImperialGroups[0].Message);
    return std::nullopt;
}

} // namespace

DialogDescription TTExtwalldlg::Make(int lastCode) {
    const WallTypeRow* last = WallTypeRowForCode(lastCode);
    if (!last) last = &WallTypeRows()[1];
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "extwall.htm";
    for (const WallTypeRow& r : WallTypeRows())
        d.Fields.push_back(RadioField(r.Caption, &r == last, Group));
    AddOkCancelHelp(d);
    return d;
}

const WallTypeRow& TTExtwalldlg::Chosen(const DialogDescription& d) {
    for (const WallTypeRow& r : WallTypeRows())
        if (d.IsOn(r.Caption)) return r;
    return WallTypeRows()[1];
}

DialogDescription TTTCustwalldlg::Make(int total, int cavity, int inner) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "extwall.htm";
    d.Fields.push_back(NumberField(Total, total));
    d.Fields.push_back(StaticText("70 - 900 mm."));
    d.Fields.push_back(NumberField(CavityField, cavity));
    d.Fields.push_back(StaticText("0 - 700 mm."));
    d.Fields.push_back(NumberField(Inner, inner));
    d.Fields.push_back(StaticText("0 - 800 mm."));
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) { return CheckMetric(dialog); };
    return d;
}

std::array<int, 3> TTTCustwalldlg::Values(const DialogDescription& d) {
    return {ReadNumberOrZero(d.Value(Total)), ReadNumberOrZero(d.Value(CavityField)),
            ReadNumberOrZero(d.Value(Inner))};
}

DialogDescription TTCustwallimpdlg::Make(int total, int cavity, int inner) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "extwall.htm";
    const int values[] = {total, cavity, inner};
    const char* ranges[] = {"3 - 30 inches", "0 - 20 inches", "0 - 20 inches"};
    for (std::size_t i = 0; i < 3; ++i) {
        const char* g = ImperialGroups[i].Name;
        const int v = values[i] < 0 ? 0 : values[i];
        const auto f = EighthsOf(v % 24);
        d.Fields.push_back(NumberField(Label(g, "inches"), v / 24, g));
        d.Fields.push_back(NumberField(Label(g, "numerator"), f ? f->Numerator : 0, g));
        d.Fields.push_back(NumberField(Label(g, "denominator"), f ? f->Denominator : 0, g));
        d.Fields.push_back(StaticText(ranges[i], g));
    }
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) { return CheckImperial(dialog); };
    return d;
}

std::array<int, 3> TTCustwallimpdlg::Values(const DialogDescription& d) {
    std::array<int, 3> v{};
    for (std::size_t i = 0; i < 3; ++i)
        v[i] = WorldOf(ReadGroup(d, ImperialGroups[i].Name));
    return v;
}

DialogDescription Tsecdlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "extwall.htm";
    for (std::size_t i = 0; i < 4; ++i)
        d.Fields.push_back(RadioField(SideCaptions[i], i == 0, Group));
    AddOkCancelHelp(d);
    return d;
}

int Tsecdlg::Side(const DialogDescription& d) {
    for (int i = 0; i < 4; ++i)
        if (d.IsOn(SideCaptions[i])) return i + 1;
    return 1;
}

} // namespace velmora
