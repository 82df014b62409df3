// Realistic drawings of any size for the benchmarks: the six floor records, then houses of external walls
// with their inner faces, internal walls, lines, texts, dimensions, fixtures, masks, arcs and circles spread
// over the floors on a plausible sheet. The same count and seed always give the same drawing.
#pragma once

#include "model/drawing_file.h"

#include <cstdint>

namespace velmora::bench {

// The sheet the generated drawings lie on: 8000 x 5600 logical units of 5 mm, a 40 m x 28 m sheet.
constexpr std::int32_t SheetWidth = 8000;
constexpr std::int32_t SheetHeight = 5600;
constexpr std::int32_t UnitsPerLogical = 5;

inline CoordShift SheetShift() {
    return CoordShift::ForSheet(SheetWidth, SheetHeight, UnitsPerLogical);
}

struct GeneratedDrawing {
    TFlist Objects;
    DrawingHeader Header;
};

// A drawing of exactly objectCount objects (at least the six floor records).
GeneratedDrawing GenerateDrawing(int objectCount, std::uint32_t seed = 1);

} // namespace velmora::bench
