#include "building/wall_types.h"

#include "app/settings_files.h"

namespace velmora {

namespace {

constexpr int FirstFloorView = 120;

} // namespace

const std::array<WallTypeRow, 8>& WallTypeRows() {
    static const std::array<WallTypeRow, 8> rows{{
        {"custom wall - your sizes", CustomWallCode, CustomWallCode, {}, {}},
        {"cavity wall 11\" or 275 mm", 275, 264, {110, 55, 110}, {108, 48, 108}},
        {"brick veneer 9 1/2\" or 240 mm", 240, 228, {110, 55, 75}, {108, 48, 72}},
        {"solid brick 9\" or 230 mm", 230, 216, {230, 0, 0}, {216, 0, 0}},
        {"walling 8\" or 200 mm", 200, 192, {200, 0, 0}, {192, 0, 0}},
        {"walling 6\" or 150 mm", 150, 144, {150, 0, 0}, {144, 0, 0}},
        {"walling 4\" or 100 mm", 100, 96, {100, 0, 0}, {96, 0, 0}},
        {"walling 3\" or 75 mm", 75, 72, {75, 0, 0}, {72, 0, 0}},
    }};
    return rows;
}

const WallTypeRow* WallTypeRowForCode(int code) {
    for (const WallTypeRow& r : WallTypeRows())
        if (r.MetricCode == code || r.ImperialCode == code) return &r;
    return nullptr;
}

std::optional<WallType> CustomWallType(int total, int cavity, int inner) {
    WallType t{total, cavity, inner};
    if (cavity > 0 && inner > 0) t.Leaf1 = total - cavity - inner;
    if (t.Leaf1 <= 0) return std::nullopt;
    return t;
}

int ExtWallSettings::LevelOf(int view) const {
    const int i = view - FirstFloorView;
    if (i < 0 || i >= static_cast<int>(Levels.size())) return 0;
    return Levels[static_cast<std::size_t>(i)];
}

const char* ExtWallSettingsName(int metricFlag) {
    return metricFlag == 1 ? "EXTWALLM.CFG" : "EXTWALLI.CFG";
}

ExtWallSettings ReadExtWallSettings(const std::filesystem::path& home, int metricFlag) {
    ExtWallSettings s;
    const auto v = ReadSettingsInts(home, ExtWallSettingsName(metricFlag), 14);
    if (!v) {
        const WallTypeRow& cavity = WallTypeRows()[1];
        s.Type = metricFlag == 1 ? cavity.Metric : cavity.Imperial;
        return s;
    }
    s.Type = {(*v)[0], (*v)[1], (*v)[2]};
    for (std::size_t i = 0; i < s.Levels.size(); ++i)
        s.Levels[i] = (*v)[3 + i];
    for (std::size_t i = 0; i < s.Params.size(); ++i)
        s.Params[i] = (*v)[9 + i];
    s.Colour = static_cast<Colorref>((*v)[13]);
    return s;
}

bool WriteExtWallSettings(const std::filesystem::path& home, int metricFlag, const ExtWallSettings& s,
                          std::string& error) {
    return WriteSettingsLine(home, ExtWallSettingsName(metricFlag), error,
                             "%d %d %d %d %d %d %d %d %d %d %d %d %d %ld", s.Type.Leaf1, s.Type.Cavity,
                             s.Type.Leaf2, s.Levels[0], s.Levels[1], s.Levels[2], s.Levels[3], s.Levels[4],
                             s.Levels[5], s.Params[0], s.Params[1], s.Params[2], s.Params[3],
                             static_cast<long>(s.Colour));
}

} // namespace velmora
