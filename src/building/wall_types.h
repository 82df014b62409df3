// External wall types: the predefined thicknesses of the wall-type choice, the custom types worked out from a
// total, a cavity and an inner leaf, and the settings line (EXTWALLM.CFG / EXTWALLI.CFG) that carries the
// current type, the floor levels, the wall parameters and the colour into every new wall.
#pragma once

#include "platform/canvas.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// t1 outer leaf, t2 cavity (0 for a solid wall), t3 inner leaf; world units.
struct WallType {
    int Leaf1 = 0;
    int Cavity = 0;
    int Leaf2 = 0;

    bool operator==(const WallType&) const = default;
};

// One row of the wall-type choice.
struct WallTypeRow {
    const char* Caption;
    int MetricCode, ImperialCode;
    WallType Metric, Imperial;
};

inline constexpr int CustomWallCode = 1;

// The rows in the order the dialog shows them; the first is the custom type.
const std::array<WallTypeRow, 8>& WallTypeRows();
// The row whose metric or imperial code is code, or nothing.
const WallTypeRow* WallTypeRowForCode(int code);

// A custom type from its three thicknesses: the outer leaf is what the cavity and the inner leaf leave of
// the total when both are given, else the whole total. Nothing when that leaves no outer leaf at all.
std::optional<WallType> CustomWallType(int total, int cavity, int inner);

// The line of EXTWALLM.CFG or EXTWALLI.CFG.
struct ExtWallSettings {
    WallType Type;
    std::array<int, 6> Levels{}; // floor views 120 .. 125
    std::array<int, 4> Params{}; // carried unchanged into every wall
    Colorref Colour = 0;

    // The level of a floor view; 0 for any other view.
    int LevelOf(int view) const;
};

const char* ExtWallSettingsName(int metricFlag);
// The settings of the measuring system; the wall type of the first predefined row and zeros when the
// file is missing or unreadable.
ExtWallSettings ReadExtWallSettings(const std::filesystem::path& home, int metricFlag);
bool WriteExtWallSettings(const std::filesystem::path& home, int metricFlag, const ExtWallSettings& s,
                          std::string& error);

} // namespace velmora
