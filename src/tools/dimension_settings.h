// The settings the dimensions read on every run: the offsets and text sizes of MOFFSET.CFG / IOFFSET.CFG
// and the end segments and tick style of ARROW.CFG. A missing or unreadable file gives the values the
// program ships with.
#pragma once

#include <filesystem>

namespace velmora {

struct DimensionOffsets {
    int Internal = 400;
    int External = 600;
    int Overall = 1000;
    int TextDirection = 0; // 0, or 2700: the texts of upright walls turned
    int TextSize = 10;
    int DimensionSize = 8;
    int RoomNameSize = 10;
};

struct ManualArrowSettings {
    int SegmentLength = 200;
    int TickStyle = 1;
};

DimensionOffsets ReadDimensionOffsets(const std::filesystem::path& home, int metricFlag);
ManualArrowSettings ReadManualArrowSettings(const std::filesystem::path& home);

} // namespace velmora
