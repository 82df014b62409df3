// The print calibration: a test print of 15000 mm at 100 : 1 (or 52 feet at 96 : 1) should measure 150 mm
// (6.5 inches); the size the user measured gives the factor every later print of that measuring system is
// stretched by. PRNTCALM.CFG and PRNTCALI.CFG hold "measured factor".
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// The measured value of a perfect printer: 15000 mm, or 52 feet in world units (1/24 inch).
inline constexpr int MetricCalibrationLength = 15000;
inline constexpr int ImperialCalibrationLength = 52 * 12 * 24;

// The measured values a factor can be made of: a print that came out at half or at one and a half times
// its size is no printer fault a factor should correct, and at twice the length the factor would reach 0.
int MinCalibrationValue(int metricFlag);
int MaxCalibrationValue(int metricFlag);

// 2 - m / reference, exactly 1 for the reference; nothing for a measured value outside the bounds.
std::optional<double> CalibrationFactor(int metricFlag, int measured);

struct Calibration {
    int Measured = MetricCalibrationLength;
    double Factor = 1.0;
};

// The calibration of a measuring system; the perfect printer when the file is missing or holds a factor
// that no accepted measurement gives.
Calibration ReadCalibration(const std::filesystem::path& home, int metricFlag);
// Writes "%d %lf" to the file of the measuring system. False (with the reason) when the value is outside
// the bounds or the file cannot be written.
bool WriteCalibration(const std::filesystem::path& home, int metricFlag, int measured, std::string& error);

} // namespace velmora
