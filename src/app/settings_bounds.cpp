#include "app/settings_bounds.h"

#include "platform/ui.h"

#include <array>

namespace velmora {

SheetSize DefaultSheet(int metricFlag) {
    // Metric 100 m x 62.5 m (5 mm a logical unit), imperial 400 ft x 250 ft (a quarter inch a unit); both
    // heights whole steps of 25 mm or one inch, in the proportions of a 1280 x 800 window.
    return metricFlag == 1 ? SheetSize{20000, 12500} : SheetSize{19200, 12000};
}

BoundedSettings ReadSheetSetting(const std::filesystem::path& home, int metricFlag) {
    constexpr SettingRange side{MinSheetSide, MaxSheetSide};
    const std::array ranges{side, side};
    const SheetSize d = DefaultSheet(metricFlag);
    const std::array defaults{static_cast<double>(d.Width), static_cast<double>(d.Height)};
    return ReadBoundedSettings(home, MetricTwinName("DWGSIZE", metricFlag), ranges, defaults);
}

SheetSize SheetOf(const BoundedSettings& read) {
    return {read.Int(0), read.Int(1)};
}

BoundedSettings ReadScaleSetting(const std::filesystem::path& home, int metricFlag) {
    constexpr SettingRange zoom{MinZoom, MaxZoom};
    const std::array ranges{zoom, zoom};
    // The shipped scales: normal size on the plans, 100 mm or 4 inches a pixel on the site plan.
    const std::array defaults = metricFlag == 1 ? std::array{5.0, 20.0} : std::array{4.0, 16.0};
    return ReadBoundedSettings(home, MetricTwinName("SCALEVIEW", metricFlag), ranges, defaults);
}

BoundedSettings ReadNormalExtentSetting(const std::filesystem::path& home, int defaultExtX, int defaultExtY) {
    constexpr SettingRange extent{1, MaxSheetSide};
    const std::array ranges{extent, extent};
    const std::array defaults{static_cast<double>(defaultExtX), static_cast<double>(defaultExtY)};
    return ReadBoundedSettings(home, "ZOOM.CFG", ranges, defaults);
}

void SettleSettingProblem(const std::filesystem::path& home, std::string_view name,
                          const BoundedSettings& read, Ui& ui) {
    if (read.Problem.empty()) return;
    ui.Message("", read.Problem, MessageKind::Warning);
    std::string error;
    if (!WriteSettingsValues(home, name, read.Values, error)) ui.Message("", error, MessageKind::Error);
}

} // namespace velmora
