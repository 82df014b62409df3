#include "dialogs/print_dialogs.h"

#include "app/settings_files.h"
#include "output/print_calibration.h"

#include <charconv>
#include <cstdio>

namespace velmora {

namespace {

using namespace print_labels;

// StrToIntDef with the default 0: blanks around the number are allowed, anything else gives 0.
int IntOr0(const std::string& s) {
    std::size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    if (b == std::string::npos) return 0;
    int v = 0;
    const char* first = s.data() + b;
    const char* last = s.data() + e + 1;
    const auto r = std::from_chars(first, last, v);
    return r.ec == std::errc() && r.ptr == last ? v : 0;
}

bool ScaleOk(const std::string& s) {
    const int v = IntOr0(s);
    return v >= 1 && v <= MaxPrintScale;
}

bool CopiesOk(const std::string& s) {
    const int v = IntOr0(s);
    return v >= 0 && v <= MaxPrintCopies;
}

void AddStyleFields(DialogDescription& d, int wallDisplayMode, const char* solid, bool checkDimensions,
                    const char* verticalText, const PrintStyleFile& style) {
    const int wallStyle = wallDisplayMode >= 20 && wallDisplayMode < 30   ? 20
                          : wallDisplayMode >= 10 && wallDisplayMode < 20 ? 10
                                                                          : 0;
    d.Fields.push_back(RadioField(Normal, wallStyle == 0, StyleGroup));
    d.Fields.push_back(RadioField(CrossHatched, wallStyle == 10, StyleGroup));
    d.Fields.push_back(RadioField(solid, wallStyle == 20, StyleGroup));
    const bool noDimensions =
        checkDimensions && wallDisplayMode != 0 && wallDisplayMode != 10 && wallDisplayMode != 20;
    d.Fields.push_back(MakeField(NoDimensions, FieldKind::Check, noDimensions ? "1" : "0"));
    d.Fields.push_back(MakeField(NoScale, FieldKind::Check, "0"));
    d.Fields.push_back(MakeField(verticalText, FieldKind::Check, style.KeepTextAngles == 1 ? "1" : "0"));
    d.Fields.push_back(RadioField(Portrait, style.Landscape == 0, OrientationGroup));
    d.Fields.push_back(RadioField(Landscape, style.Landscape != 0, OrientationGroup));
    d.Fields.push_back(RadioField(Light, style.LineWeight == LineLight, LinesGroup));
    d.Fields.push_back(
        RadioField(Medium, style.LineWeight != LineLight && style.LineWeight != LineHeavy, LinesGroup));
    d.Fields.push_back(RadioField(Heavy, style.LineWeight == LineHeavy, LinesGroup));
    d.Fields.push_back(RadioField(Small, style.TextSize == TextSmall, TextGroup));
    d.Fields.push_back(
        RadioField(MediumText, style.TextSize != TextSmall && style.TextSize != TextLarge, TextGroup));
    d.Fields.push_back(RadioField(Large, style.TextSize == TextLarge, TextGroup));
}

// The style part of both dialogs: the options, PRINT.CFG's new values and the wall display mode chosen.
void ReadStyle(const DialogDescription& d, const char* solid, const char* verticalText,
               const PrintStyleFile& before, PrintOptions& o, PrintStyleFile& style) {
    style = before;
    style.KeepTextAngles = d.IsOn(verticalText) ? 1 : 0;
    style.Landscape = d.IsOn(Portrait) ? 0 : 1;
    style.LineWeight = d.IsOn(Light) ? LineLight : d.IsOn(Heavy) ? LineHeavy : LineMedium;
    style.TextSize = d.IsOn(Small) ? TextSmall : d.IsOn(Large) ? TextLarge : TextMedium;
    ApplyPrintStyle(style, o);
    o.ShowScale = !d.IsOn(NoScale);
    o.WallDisplayMode = (d.IsOn(NoDimensions) ? 1 : 0) + (d.IsOn(solid) ? 20 : d.IsOn(CrossHatched) ? 10 : 0);
}

} // namespace

void ApplyPrintStyle(const PrintStyleFile& style, PrintOptions& o) {
    o.KeepTextAngles = style.KeepTextAngles == 1;
    o.Landscape = style.Landscape != 0;
    o.LineWeight = style.LineWeight;
    o.TextSize = style.TextSize;
}

PrintStyleFile ReadPrintStyle(const std::filesystem::path& home) {
    PrintStyleFile s;
    if (const auto v = ReadSettingsInts(home, "PRINT.CFG", 5)) {
        s.KeepTextAngles = (*v)[0] == 1 ? 1 : 0;
        s.Landscape = (*v)[1] == 0 ? 0 : 1;
        s.LineWeight = (*v)[2];
        s.TextSize = (*v)[3];
        s.Spare = (*v)[4];
    }
    return s;
}

bool WritePrintStyle(const std::filesystem::path& home, const PrintStyleFile& s, std::string& error) {
    return WriteSettingsLine(home, "PRINT.CFG", error, "%d %d %d %d %d", s.KeepTextAngles, s.Landscape,
                             s.LineWeight, s.TextSize, s.Spare);
}

DialogDescription TTFPlanprintdlg::Make(int metricFlag, int wallDisplayMode, const PrintStyleFile& style) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    const int floorScale = metricFlag == 1 ? 100 : 96;
    const int siteScale = metricFlag == 1 ? 500 : 480;
    for (std::size_t i = 0; i < Floors.size(); ++i) {
        d.Fields.push_back(NumberField(Floors[i], i == 0 ? 1 : 0, CopiesGroup));
        d.Fields.push_back(Beside(
            NumberField(ScaleLabel(Floors[i]), Views[i] == 190 ? siteScale : floorScale, CopiesGroup)));
    }
    AddStyleFields(d, wallDisplayMode, SolidWall, true, VerticalText, style);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        for (const char* floor : Floors) {
            if (!CopiesOk(dlg.Value(floor))) return std::string(CopiesRefused);
            if (IntOr0(dlg.Value(floor)) > 0 && !ScaleOk(dlg.Value(ScaleLabel(floor))))
                return std::string(ScaleRefused);
        }
        return std::nullopt;
    };
    return d;
}

TTFPlanprintdlg::Result TTFPlanprintdlg::Read(const DialogDescription& d, const PrintStyleFile& before) {
    Result r;
    for (std::size_t i = 0; i < Floors.size(); ++i)
        r.Floors[i] = {Views[i], IntOr0(d.Value(Floors[i])), IntOr0(d.Value(ScaleLabel(Floors[i])))};
    ReadStyle(d, SolidWall, VerticalText, before, r.Options, r.Style);
    r.WallDisplayMode = r.Options.WallDisplayMode;
    return r;
}

DialogDescription TTGrpprintdlg::Make(int metricFlag, int wallDisplayMode, const PrintStyleFile& style) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    d.Fields.push_back(NumberField(Copies, 1));
    d.Fields.push_back(NumberField(Scale, metricFlag == 1 ? 100 : 96));
    AddStyleFields(d, wallDisplayMode, SolidWall, false, VerticalText, style);
    AddOkCancelHelp(d);
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        if (!CopiesOk(dlg.Value(Copies))) return std::string(CopiesRefused);
        if (!ScaleOk(dlg.Value(Scale))) return std::string(ScaleRefused);
        return std::nullopt;
    };
    return d;
}

TTGrpprintdlg::Result TTGrpprintdlg::Read(const DialogDescription& d, const PrintStyleFile& before) {
    Result r;
    r.Options.Copies = IntOr0(d.Value(Copies));
    r.Options.Scale = IntOr0(d.Value(Scale));
    ReadStyle(d, SolidWall, VerticalText, before, r.Options, r.Style);
    return r;
}

DialogDescription TTSplitdlg::Make() {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    d.Fields.push_back(RadioField(LeftRight, true, "halves"));
    d.Fields.push_back(RadioField(TopBottom, false, "halves"));
    AddOkCancelHelp(d);
    return d;
}

DialogDescription TTPrintcaldlg::Make(int metricMeasured, int imperialMeasured, int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpPage;
    const int inches = imperialMeasured / 24;
    d.Fields.push_back(StaticText("52 feet printed out at 96 : 1 shows as", ImperialGroup));
    d.Fields.push_back(NumberField(Feet, inches / 12, ImperialGroup));
    d.Fields.push_back(Beside(NumberField(Inches, inches % 12, ImperialGroup)));
    d.Fields.push_back(StaticText("96 : 1 is 1/4 inch to 1 foot )", ImperialGroup));
    d.Fields.push_back(StaticText("15000 mm. printed out at 100 : 1 shows as ", MetricGroup));
    d.Fields.push_back(NumberField(Millimetres, metricMeasured, MetricGroup));
    d.Fields.push_back(StaticText("metric", MetricGroup));
    AddOkCancelHelp(d);
    d.Check = [metricFlag](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        const auto m = Measured(dlg, metricFlag);
        if (m && CalibrationFactor(metricFlag, *m)) return std::nullopt;
        char text[96];
        const int div = metricFlag == 1 ? 1 : 24;
        std::snprintf(text, sizeof text, OutOfRange, MinCalibrationValue(metricFlag) / div,
                      MaxCalibrationValue(metricFlag) / div);
        return std::string(text) + (metricFlag == 1 ? " mm" : " inches");
    };
    return d;
}

std::optional<int> TTPrintcaldlg::Measured(const DialogDescription& d, int metricFlag) {
    if (metricFlag == 1) {
        const int mm = IntOr0(d.Value(Millimetres));
        return mm > 0 ? std::optional<int>(mm) : std::nullopt;
    }
    const long long feet = IntOr0(d.Value(Feet)), inches = IntOr0(d.Value(Inches));
    const long long m = (feet * 12 + inches) * 24;
    if (feet < 0 || inches < 0 || m <= 0 || m > 1000000) return std::nullopt;
    return static_cast<int>(m);
}

} // namespace velmora
