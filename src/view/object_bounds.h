// Where an object can leave ink, in the logical units of the screen mapping, so that a repaint of a small
// area skips the objects that cannot reach it. The boxes are conservative: they may be larger than the ink,
// never smaller, because an object wrongly skipped would leave a hole in the picture.
#pragma once

#include "model/drawing_objects.h"
#include "platform/canvas.h"
#include "view/paint_context.h"

#include <cstdint>
#include <optional>

namespace velmora {

// A box in logical units, y upward, both ends included. 64-bit, so that margins added to coordinates near
// the ends of the int range never wrap.
struct LogicalBounds {
    std::int64_t MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;

    bool Meets(const LogicalBounds& o) const {
        return MinX <= o.MaxX && o.MinX <= MaxX && MinY <= o.MaxY && o.MinY <= MaxY;
    }
    LogicalBounds Grown(std::int64_t by) const { return {MinX - by, MinY - by, MaxX + by, MaxY + by}; }
    bool operator==(const LogicalBounds&) const = default;
};

// The box of an object's ink when painted with pc, pen widths included; nothing when the object has no box
// to judge by (design rooms, whose lettering may run outside them, and classes that paint nothing), which
// the painter treats as "always paint".
std::optional<LogicalBounds> ObjectBounds(const TObj& obj, const PaintContext& pc);

// The logical box of a pixel area (left/top included, right/bottom excluded, y down) through a mapping,
// grown by marginPixels on every side to take in rounding, one-pixel pens and antialiased glyph edges.
LogicalBounds ClipBoundsForPixels(const Mapping& m, const Rect& pixels, int marginPixels);

} // namespace velmora
