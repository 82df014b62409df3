// Settings values held to their ranges before they are used, chiefly those that feed the screen mapping and
// the coordinate shift of the drawing file: the sheet, the zooms and the extent of a normal view. A sheet
// of two billion logical units would put every coordinate of a good drawing out of range and a zoom of
// 1e30 would collapse the mapping, so a value out of its range is never used: the default takes its
// place, the user is told which settings file was wrong (never the drawing) and the file gets the default
// back.
#pragma once

#include "app/settings_files.h"

#include <filesystem>

namespace velmora {

class Ui;

// Sides of the sheet, in logical units: from half a metre to five kilometres of a metric drawing.
inline constexpr int MinSheetSide = 100;
inline constexpr int MaxSheetSide = 1000000;
// Zoom factors (logical units per pixel) the mapping can show.
inline constexpr double MinZoom = 0.01;
inline constexpr double MaxZoom = 1000;

struct SheetSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const SheetSize&) const = default;
};

// The sheet the home folder ships: wider than two full-screen windows at normal zoom, so that Shrink to Half
// has room to show more of the drawing at any common screen size.
SheetSize DefaultSheet(int metricFlag);

// DWGSIZEM.CFG (metric) or DWGSIZEI.CFG, each side within MinSheetSide..MaxSheetSide.
BoundedSettings ReadSheetSetting(const std::filesystem::path& home, int metricFlag);
// The sheet of a usable read.
SheetSize SheetOf(const BoundedSettings& read);

// SCALEVIEWM.CFG or SCALEVIEWI.CFG: the zoom the scale dialog chose last and the site plan's zoom, both
// within MinZoom..MaxZoom.
BoundedSettings ReadScaleSetting(const std::filesystem::path& home, int metricFlag);

// ZOOM.CFG: the extent of a view at normal size, each side within 1..MaxSheetSide; the default is the
// extent given (worked out from the client by the caller).
BoundedSettings ReadNormalExtentSetting(const std::filesystem::path& home, int defaultExtX, int defaultExtY);

// What a program that can talk to the user does with a read that found a problem: tells it (the message
// names the settings file) and writes the defaults back, so that it is told once.
void SettleSettingProblem(const std::filesystem::path& home, std::string_view name,
                          const BoundedSettings& read, Ui& ui);

} // namespace velmora
