#include "dialogs/double_line_dialog.h"

#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "platform/ui.h"
#include "view/units.h"

#include <string>

namespace velmora {

namespace {

constexpr const char* MetricWidthGroup = "width or spacing";
constexpr const char* MetricSideGroup = "second line position";
constexpr const char* ImperialWidthGroup = "wall width or line spacing ";
constexpr const char* ImperialSideGroup = "position of second line";
constexpr int MinMm = 25, MaxMm = 900, MinInches = 1, MaxInches = 50;

void AddSides(DialogDescription& d, const char* group, const char* below, const char* left, const char* above,
              const char* right) {
    d.Fields.push_back(RadioField(below, false, group));
    d.Fields.push_back(RadioField(left, true, group));
    d.Fields.push_back(RadioField(above, false, group));
    d.Fields.push_back(RadioField(right, false, group));
}

int SideOf(const DialogDescription& d, const char* below, const char* above, const char* right) {
    if (d.IsOn(below)) return SideBelow;
    if (d.IsOn(above)) return SideAbove;
    if (d.IsOn(right)) return SideRight;
    return SideLeft;
}

struct ImperialFields {
    int Inches, Numerator, Denominator;
};

ImperialFields ImperialOf(const DialogDescription& d) {
    return {ReadNumberOrZero(d.Value(TTDblelineimpdlg::Inches)),
            ReadNumberOrZero(d.Value(TTDblelineimpdlg::Numerator)),
            ReadNumberOrZero(d.Value(TTDblelineimpdlg::Denominator))};
}

bool ImperialInRange(const ImperialFields& f) {
    return f.Inches >= MinInches && f.Inches <= MaxInches && f.Numerator >= 0 && f.Numerator <= 7 &&
           f.Denominator >= 0 && f.Denominator <= 8 && f.Denominator >= f.Numerator;
}

} // namespace

DialogDescription TTDblelinedlg::Make(int widthMm) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "intwall.htm";
    d.Fields.push_back(NumberField(Width, widthMm, "mm.", MetricWidthGroup));
    AddSides(d, MetricSideGroup, Below, Left, Above, Right);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        const int w = ReadNumberOrZero(dialog.Value(Width));
        if (w >= MinMm && w <= MaxMm) return std::nullopt;
        return std::string("the input range is between 25 - 900 mm. ");
    };
    return d;
}

int TTDblelinedlg::WidthOf(const DialogDescription& d) {
    return ReadNumberOrZero(d.Value(Width));
}

DialogDescription TTDblelineimpdlg::Make(int widthWorld) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "intwall.htm";
    const int inches = widthWorld > 0 ? widthWorld / 24 : 4;
    const auto fraction = widthWorld > 0 ? EighthsOf(widthWorld % 24) : std::nullopt;
    d.Fields.push_back(NumberField(Inches, inches, ImperialWidthGroup));
    d.Fields.push_back(NumberField(Numerator, fraction ? fraction->Numerator : 0, ImperialWidthGroup));
    d.Fields.push_back(NumberField(Denominator, fraction ? fraction->Denominator : 0, ImperialWidthGroup));
    AddSides(d, ImperialSideGroup, Below, Left, Above, Right);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        if (ImperialInRange(ImperialOf(dialog))) return std::nullopt;
        return std::string("the input range is between 1 - 50 inches ");
    };
    return d;
}

int TTDblelineimpdlg::WidthOf(const DialogDescription& d) {
    const ImperialFields f = ImperialOf(d);
    int w = f.Inches * 24;
    const bool eighths = f.Denominator == 2 || f.Denominator == 4 || f.Denominator == 8;
    if (eighths && f.Numerator < f.Denominator) w += f.Numerator * 24 / f.Denominator;
    return w;
}

int StoredWallWidth(const std::filesystem::path& home, int metricFlag) {
    const bool metric = metricFlag == 1;
    const auto v = ReadSettingsInts(home, metric ? "PTNM.CFG" : "PTNI.CFG", 1);
    const int lo = metric ? MinMm : MinInches * 24, hi = metric ? MaxMm : MaxInches * 24 + 21;
    if (v && (*v)[0] >= lo && (*v)[0] <= hi) return (*v)[0];
    return metric ? 100 : 96;
}

std::optional<DoubleLineChoice> AskDoubleLine(Ui& ui, const std::filesystem::path& home, int metricFlag) {
    const bool metric = metricFlag == 1;
    const int stored = StoredWallWidth(home, metricFlag);
    DialogDescription d = metric ? TTDblelinedlg::Make(stored) : TTDblelineimpdlg::Make(stored);
    if (!RunAccepted(ui, d)) return std::nullopt;
    DoubleLineChoice c;
    if (metric) {
        c.Width = TTDblelinedlg::WidthOf(d);
        c.Side = SideOf(d, TTDblelinedlg::Below, TTDblelinedlg::Above, TTDblelinedlg::Right);
    } else {
        c.Width = TTDblelineimpdlg::WidthOf(d);
        c.Side = SideOf(d, TTDblelineimpdlg::Below, TTDblelineimpdlg::Above, TTDblelineimpdlg::Right);
    }
    std::string error;
    ReportWrite(ui, WriteSettingsLine(home, metric ? "PTNM.CFG" : "PTNI.CFG", error, "%d", c.Width), error);
    return c;
}

} // namespace velmora
