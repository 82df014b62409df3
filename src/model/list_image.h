// Everything of a list that its drawing file text is made from, kept in memory as plain numbers: every
// object's kind and class and each field its record stores, the strings, the header and the coordinate
// shift. Two lists with equal images format to the same bytes, so a file written from one list is known to
// be the file of another list without formatting it again; comparing is far cheaper than formatting.
#pragma once

#include "model/drawing_file.h"
#include "model/object_list.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class ListImage {
public:
    static ListImage Of(const TFlist& list, const DrawingHeader& header, CoordShift shift);
    // True when list, header and shift would format to exactly what the list of this image did.
    bool Matches(const TFlist& list, const DrawingHeader& header, CoordShift shift) const;

private:
    friend class ImageWriter;
    std::vector<std::int32_t> Numbers;
    std::string Chars;
};

} // namespace velmora
