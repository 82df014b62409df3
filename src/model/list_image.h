// Everything of a list that its drawing file text is made from, kept in memory as plain numbers: every
// object's kind and class and each field its record stores, the strings, the header and the coordinate
// shift. Two lists with equal images format to the same bytes, so a file written from one list is known to
// be the file of another list without formatting it again; comparing is far cheaper than formatting. The
// image is kept object by object, so a list can also be told which of its records are still those of the
// imaged list, and the image brought up to the list by taking only the others anew.
#pragma once

#include "model/drawing_file.h"
#include "model/marked_splice.h"
#include "model/object_list.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// Where a list and an imaged list agree: its first Same objects and its last SameTail objects format to the
// records of the imaged list's first and last ones (the two runs never overlap). Both are 0 when the shift
// differs, as every stored coordinate does then.
struct ListDifference {
    int Same = 0;
    int SameTail = 0;
};

class ListImage {
public:
    static ListImage Of(const TFlist& list, const DrawingHeader& header, CoordShift shift);
    // True when list, header and shift would format to exactly what the list of this image did.
    bool Matches(const TFlist& list, const DrawingHeader& header, CoordShift shift) const;
    ListDifference Compare(const TFlist& list, CoordShift shift) const;
    // Becomes the image of list, given the difference Compare found between this image and that same list.
    void Update(const ListDifference& difference, const TFlist& list, const DrawingHeader& header,
                CoordShift shift);

private:
    friend class ImageWriter;
    MarkedRun<std::vector<std::int32_t>> Numbers; // the head's numbers come before the first object's
    MarkedRun<std::string> Chars;
};

} // namespace velmora
