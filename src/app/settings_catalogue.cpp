// The catalogue of settings and exchange files: every file below CFG/ with the format it is written with.
#include "app/settings_files.h"

#include <array>

namespace velmora {

namespace {

using K = SettingsKind;
using U = SettingsUnits;

constexpr int kFirst[] = {0};
constexpr int kSecond[] = {1};
constexpr int kFourth[] = {3};
constexpr int kTenth[] = {9};
constexpr int kEleventh[] = {10};
constexpr int kFourNames[] = {0, 1, 2, 3};
constexpr int kSixTitles[] = {0, 1, 2, 3, 4, 5};

// Drawing names and plan titles hold at most 24 characters; the default font name at most 31.
constexpr std::size_t kNameMax = 24;
constexpr std::size_t kFontMax = 31;
constexpr std::size_t kLabelMax = 20; // the label field of "text on a line" holds 20
constexpr std::size_t kDoorTextMax = 255;

constexpr SettingsFile kCatalogue[] = {
    {"CLR.CFG", "%ld %ld %ld\n"},
    {"GUIDE.CFG", "%d %ld\n"},
    {"SAVE.CFG", "%d"},
    {"AUTOSCROLL.CFG", "%d"},
    {"LASTFILES.CFG", "%d %d %d %d %s%s%s%s", K::Line, U::Any, {}, kFourNames, kNameMax},
    {"LASTDWG.CFG", "%d %s\n", K::Line, U::Any, {}, kFirst, kNameMax},
    {"LASTACT.CFG", "%d %d %d %d %d %d %d %d %d %d\n"},
    {"METRIC.CFG", "%d"},
    {"START.CFG", "%d"},
    {"TEXT.CFG", "%d %d %d %d%s", K::Line, U::Any, {}, kFourth, kFontMax},
    {"TITLE2D.CFG", "%d %d %d %d %d %d %s%s%s%s%s%s\n", K::Line, U::Any, {}, kSixTitles, kNameMax},
    {"OVERLAY.CFG", "%d %d %d %d %d %d %d"},
    {"FLOORS.CFG", "%d %d %d %d\n"},
    {"MOFFSET.CFG", "%d %d %d %d %d %d %d", K::Line, U::Metric, "IOFFSET.CFG"},
    {"IOFFSET.CFG", "%d %d %d %d %d %d %d", K::Line, U::Imperial, "MOFFSET.CFG"},
    {"MERGEM.CFG", "%d\n", K::Line, U::Metric, "MERGEI.CFG"},
    {"MERGEI.CFG", "%d\n", K::Line, U::Imperial, "MERGEM.CFG"},
    {"LYTGRIDM.CFG", "%d %ld\n", K::Line, U::Metric, "LYTGRIDI.CFG"},
    {"LYTGRIDI.CFG", "%d %ld\n", K::Line, U::Imperial, "LYTGRIDM.CFG"},
    {"RMCLR.CFG", "%ld %ld %ld"},
    // The colour chooser's custom colours: one COLORREF a line.
    {"CUSTCOL.CFG", "%ld\n", K::Lines},
    {"FILLCLR.CFG", "%ld\n"},
    {"CHANGECLR.CFG", "%ld %ld\n"},
    {"ZOOMSTYLE.CFG", "%d"},
    {"ZOOM.CFG", "%d %d"},
    {"ZSTAT.CFG", "%d %d %d %d %d %f"},
    {"SCALEVIEWM.CFG", "%f %f", K::Line, U::Metric, "SCALEVIEWI.CFG"},
    {"SCALEVIEWI.CFG", "%f %f", K::Line, U::Imperial, "SCALEVIEWM.CFG"},
    {"DWGSIZEM.CFG", "%ld %ld", K::Line, U::Metric, "DWGSIZEI.CFG"},
    {"DWGSIZEI.CFG", "%ld %ld", K::Line, U::Imperial, "DWGSIZEM.CFG"},
    {"EXTENTS.CFG", "%ld %ld %ld %ld"},
    {"BOUNDS.CFG", "%ld %ld %ld %ld\n"},
    {"RECT.CFG", "%ld %ld %ld\n"},
    {"LIBEXTENTS.CFG", "%ld %ld %ld %ld"},
    {"MDEXTENTS.CFG", "%d %d"},
    {"MAX.CFG", "%d %d"},
    {"NEWRM.CFG", "%d %d"},
    {"RMPTNM.CFG", "%d %d %d %d %d %d", K::Line, U::Metric, "RMPTNI.CFG"},
    {"RMPTNI.CFG", "%d %d %d %d %d %d", K::Line, U::Imperial, "RMPTNM.CFG"},
    {"PTNM.CFG", "%d", K::Line, U::Metric, "PTNI.CFG"},
    {"PTNI.CFG", "%d", K::Line, U::Imperial, "PTNM.CFG"},
    {"EXTWALLM.CFG", "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld", K::Line, U::Metric, "EXTWALLI.CFG"},
    {"EXTWALLI.CFG", "%d %d %d %ld %ld %ld %ld %ld %ld %d %d %d %d %ld", K::Line, U::Imperial,
     "EXTWALLM.CFG"},
    {"LASTEXTWL.CFG", "%d"},
    {"CUST.CFG", "%d %d %d", K::Line, U::Metric, "CUSTIMP.CFG"},
    {"CUSTIMP.CFG", "%d %d %d", K::Line, U::Imperial, "CUST.CFG"},
    {"INTERN.CFG", "%d %d %lf %lf"},
    // Twenty-two numbers, the eleventh the length of the text that ends the line.
    {"DOOR.CFG",
     "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %ld %ld %ld %ld %ld %ld %ld%s",
     K::Line,
     U::Any,
     {},
     kEleventh,
     kDoorTextMax},
    {"DOORSZE.CFG", "%d %d"},
    {"WIND.CFG", "%d %d %d %d %d %d %d %d %d %d %s", K::Line, U::Any, {}, kTenth, kFontMax},
    {"ARROW.CFG", "%d %d"},
    {"LTEXT.CFG", "%d %d\n%s", K::Line, U::Any, {}, kSecond, kLabelMax},
    {"LASTTEXT.CFG", "%d %d"},
    {"COPY.CFG", "%d %ld %ld\n", K::Lines},
    {"TEMP.CFG", "%d\n"},
    {"PRINT.CFG", "%d %d %d %d %d"},
    {"PRNTCALM.CFG", "%d %lf", K::Line, U::Metric, "PRNTCALI.CFG"},
    {"PRNTCALI.CFG", "%d %lf", K::Line, U::Imperial, "PRNTCALM.CFG"},
    {"PRNTLST.CFG", "%d %d %d\n", K::Lines},
    {"PTPRINT.CFG", "%ld %ld %ld %ld"},
    {"SPLITEXTENTS.CFG", "%ld %ld %ld %ld"},
    {"EASYDRAW.CFG", "%d %d "},
    {"OPTION.CFG", "%d "},
    {"BED.CFG", "%d %d %d %d %d %ld %ld %ld "},
    {"TABLE.CFG", "%d %d %d %d %d %d %d %d %ld %ld"},
    {"STAIR.CFG", "%d %d %d %d %d %d %d %d %d %ld"},
    {"BATH.CFG", "%d %d %d %d %d %d %ld %ld "},
    {"LOUNGE.CFG", "%d %d %d %d %d %d %ld %ld"},
    {"SINK.CFG", "%d %d %d %d %d %d %d %ld"},
    {"SHOWER.CFG", "%d %d %d %d %d %ld"},
    {"WORKTOP.CFG", "%d %d %d %d %d %d %d %d %d %ld"},
    {"COOKTOP.CFG", "%d %d %d %d %ld %ld "},
    {"VANITY.CFG", "%d %d %d %d %ld %ld "},
    {"LIGHTS.CFG", "%d %d %d %d %ld "},
    {"FANS.CFG", "%d %d %d %ld %ld "},
    {"STAIRSM.CFG", "%d %d", K::Line, U::Metric, "STAIRSI.CFG"},
    {"STAIRSI.CFG", "%d %d", K::Line, U::Imperial, "STAIRSM.CFG"},
    // The checkpoint and the spare copy of the drawing: written by the drawing writer before anything reads
    // them, so the home folder does not ship them.
    {"tmp.cfg", "", K::Drawing},
    {"inroom.cfg", "", K::Drawing},
};

} // namespace

std::span<const SettingsFile> SettingsCatalogue() {
    return kCatalogue;
}

const SettingsFile* FindSettingsFile(std::string_view name) {
    for (const SettingsFile& f : kCatalogue)
        if (f.Name == name) return &f;
    return nullptr;
}

std::string SettingsFileFor(std::string_view name, int MetricFlag) {
    const SettingsFile* f = FindSettingsFile(name);
    if (!f || f->Twin.empty()) return std::string(name);
    const bool wantMetric = MetricFlag == 1;
    const bool isMetric = f->Units == SettingsUnits::Metric;
    return std::string(wantMetric == isMetric ? f->Name : f->Twin);
}

std::string MetricTwinName(std::string_view stem, int MetricFlag) {
    return std::string(stem) + (MetricFlag == 1 ? "M.CFG" : "I.CFG");
}

std::filesystem::path SettingsPath(const std::filesystem::path& home, std::string_view name) {
    return home / "CFG" / std::string(name);
}

} // namespace velmora
