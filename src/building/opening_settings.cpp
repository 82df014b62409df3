#include "building/opening_settings.h"

#include "app/settings_files.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

namespace velmora {

namespace {

// Reads count whole numbers separated by blanks; rest is left just after the last one.
std::optional<std::vector<int>> LeadingInts(std::string_view line, std::size_t count,
                                            std::string_view& rest) {
    std::vector<int> out;
    std::size_t i = 0;
    while (out.size() < count) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        int v = 0;
        const auto [end, ec] = std::from_chars(line.data() + i, line.data() + line.size(), v);
        if (ec != std::errc{}) return std::nullopt;
        i = static_cast<std::size_t>(end - line.data());
        out.push_back(v);
    }
    rest = line.substr(i);
    return out;
}

// The text after the numbers: one blank, then exactly length characters, held to what the line holds and
// to the field's size (a damaged length can never make the reader run past the line).
std::string TrailingText(std::string_view rest, int length, std::size_t maxLen) {
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    const auto cr = rest.find_first_of("\r\n");
    if (cr != std::string_view::npos) rest = rest.substr(0, cr);
    const std::size_t n = std::min({static_cast<std::size_t>(std::max(length, 0)), rest.size(), maxLen});
    return BoundedString(rest.substr(0, n), maxLen);
}

std::optional<std::string> FileLine(const std::filesystem::path& home, std::string_view name) {
    std::ifstream in(SettingsPath(home, name), std::ios::binary);
    if (!in) return std::nullopt;
    std::string line;
    std::getline(in, line);
    return line;
}

bool WriteLine(const std::filesystem::path& home, std::string_view name, const std::string& line,
               std::string& error) {
    return WriteSettingsText(home, name, line, error);
}

} // namespace

std::optional<WindowSettings> ParseWindowSettings(std::string_view line) {
    std::string_view rest;
    const auto v = LeadingInts(line, 10, rest);
    if (!v) return std::nullopt;
    WindowSettings w;
    w.Type = (*v)[0], w.Width = (*v)[1], w.Height = (*v)[2];
    w.ShowSizes = (*v)[4] != 0 ? 1 : 0;
    w.TextSize = (*v)[5] == 6 ? 6 : 8;
    w.ShowCill = (*v)[6] != 0 ? 1 : 0;
    const std::string font = TrailingText(rest, (*v)[9], WindowSettings::MaxFont);
    if (!font.empty()) w.Font = font;
    if (w.Type < 1 || w.Type > 9) w.Type = 1;
    return w;
}

std::string FormatWindowSettings(const WindowSettings& w) {
    const std::string font = BoundedString(w.Font, WindowSettings::MaxFont);
    std::ostringstream o;
    o << w.Type << ' ' << w.Width << ' ' << w.Height << " 1 " << w.ShowSizes << ' ' << w.TextSize << ' '
      << w.ShowCill << " 0 0 " << font.size() << ' ' << font;
    return o.str();
}

WindowSettings ReadWindowSettings(const std::filesystem::path& home) {
    const auto line = FileLine(home, "WIND.CFG");
    if (!line) return {};
    return ParseWindowSettings(*line).value_or(WindowSettings{});
}

bool WriteWindowSettings(const std::filesystem::path& home, const WindowSettings& w, std::string& error) {
    return WriteLine(home, "WIND.CFG", FormatWindowSettings(w), error);
}

std::optional<DoorSettings> ParseDoorSettings(std::string_view line) {
    const auto cr = line.find_first_of("\r\n");
    if (cr != std::string_view::npos) line = line.substr(0, cr);
    std::string_view rest;
    const auto v = LeadingInts(line, DoorSettings::Count - 1, rest);
    if (!v) return std::nullopt;
    DoorSettings d;
    std::copy(v->begin(), v->end(), d.N.begin());
    // The text follows the last number directly: its length, the eleventh number, tells them apart, held
    // to the field's size and to what the line holds after at least one digit.
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    const std::size_t room = rest.empty() ? 0 : rest.size() - 1;
    const std::size_t n =
        std::min({static_cast<std::size_t>(std::max(d.At(11), 0)), room, DoorSettings::MaxText});
    std::string_view number = rest.substr(0, rest.size() - n);
    int last = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), last);
    if (ec != std::errc{} || end != number.data() + number.size()) return std::nullopt;
    d.At(22) = last;
    d.Text = BoundedString(rest.substr(rest.size() - n), DoorSettings::MaxText);
    d.At(11) = static_cast<int>(d.Text.size());
    return d;
}

std::string FormatDoorSettings(const DoorSettings& d) {
    DoorSettings out = d;
    out.Text = BoundedString(d.Text, DoorSettings::MaxText);
    out.At(11) = static_cast<int>(out.Text.size());
    std::ostringstream o;
    for (std::size_t i = 0; i < DoorSettings::Count; ++i)
        o << (i ? " " : "") << out.N[i];
    o << out.Text;
    return o.str();
}

std::optional<DoorSettings> ReadStoredDoorSettings(const std::filesystem::path& home) {
    const auto line = FileLine(home, "DOOR.CFG");
    if (!line) return std::nullopt;
    return ParseDoorSettings(*line);
}

DoorSettings ReadDoorSettings(const std::filesystem::path& home) {
    return ReadStoredDoorSettings(home).value_or(DoorSettings{});
}

bool WriteDoorSettings(const std::filesystem::path& home, const DoorSettings& d, std::string& error) {
    return WriteLine(home, "DOOR.CFG", FormatDoorSettings(d), error);
}

SwingSettings ReadSwingSettings(const std::filesystem::path& home) {
    SwingSettings s;
    const auto v = ReadSettingsInts(home, "INTERN.CFG", 2);
    if (!v) return s;
    if ((*v)[0] == 30 || (*v)[0] == 60 || (*v)[0] == 90) s.Angle = (*v)[0];
    s.Thickness = (*v)[1] == 2 ? 2 : 1;
    return s;
}

bool WriteSwingSettings(const std::filesystem::path& home, const SwingSettings& s, std::string& error) {
    const double radians = s.Angle * 0.017453277777777776;
    return WriteSettingsLine(home, "INTERN.CFG", error, "%d %d %lf %lf", s.Angle, s.Thickness,
                             std::sin(radians), std::cos(radians));
}

LeafReach LeafAt(int e, int angleDegrees) {
    // A quarter turn is exact: a square leaf is as long as the door is wide.
    if (angleDegrees == 90) return {e, 0};
    const double a = angleDegrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(e * std::sin(a))), static_cast<int>(std::lround(e * std::cos(a)))};
}

DoorSizes ReadDoorSizes(const std::filesystem::path& home) {
    DoorSizes d;
    const auto v = ReadSettingsInts(home, "DOORSZE.CFG", 2);
    if (!v) return d;
    if ((*v)[0] >= 100 && (*v)[0] <= 1200) d.Metric = (*v)[0];
    if ((*v)[1] >= 96 && (*v)[1] <= 1152) d.Imperial = (*v)[1];
    return d;
}

bool WriteDoorSizes(const std::filesystem::path& home, const DoorSizes& d, std::string& error) {
    return WriteSettingsLine(home, "DOORSZE.CFG", error, "%d %d", d.Metric, d.Imperial);
}

int StartingDoorWidth(const std::optional<DoorSettings>& last, const DoorSizes& defaults, int metricFlag) {
    const bool metric = metricFlag == 1;
    if (last && last->At(4) == (metric ? 1 : 24)) return last->At(5);
    return metric ? defaults.Metric : defaults.Imperial;
}

} // namespace velmora
