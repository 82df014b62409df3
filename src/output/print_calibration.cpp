#include "output/print_calibration.h"

#include "app/settings_files.h"

namespace velmora {

namespace {

int Reference(int metricFlag) {
    return metricFlag == 1 ? MetricCalibrationLength : ImperialCalibrationLength;
}

std::string FileOf(int metricFlag) {
    return MetricTwinName("PRNTCAL", metricFlag);
}

} // namespace

int MinCalibrationValue(int metricFlag) {
    return Reference(metricFlag) / 2;
}

int MaxCalibrationValue(int metricFlag) {
    return Reference(metricFlag) * 3 / 2;
}

std::optional<double> CalibrationFactor(int metricFlag, int measured) {
    if (measured < MinCalibrationValue(metricFlag) || measured > MaxCalibrationValue(metricFlag))
        return std::nullopt;
    const int reference = Reference(metricFlag);
    if (measured == reference) return 1.0;
    return 2.0 - static_cast<double>(measured) / reference;
}

Calibration ReadCalibration(const std::filesystem::path& home, int metricFlag) {
    Calibration perfect{Reference(metricFlag), 1.0};
    const auto values = ReadSettings(home, FileOf(metricFlag));
    if (!values || values->Numbers.size() < 2) return perfect;
    const double factor = values->Real(1);
    // A hand-edited file could hold any factor; only those an accepted measurement gives are used.
    const auto lowest = CalibrationFactor(metricFlag, MaxCalibrationValue(metricFlag));
    const auto highest = CalibrationFactor(metricFlag, MinCalibrationValue(metricFlag));
    if (!(factor >= *lowest && factor <= *highest)) return perfect;
    return {values->Int(0), factor};
}

bool WriteCalibration(const std::filesystem::path& home, int metricFlag, int measured, std::string& error) {
    const auto factor = CalibrationFactor(metricFlag, measured);
    if (!factor) {
        error = "the measured size is out of range";
        return false;
    }
    return WriteSettingsLine(home, FileOf(metricFlag), error, "%d %lf", measured, *factor);
}

} // namespace velmora
