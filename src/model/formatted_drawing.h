// A list's drawing file text, kept from one save to the next with the image of the list it was formatted
// from and where each record begins. Bringing it up to the list again formats only the records between the
// leading and trailing ones the list still shares with the kept image (an object added at the end, one
// changed in the middle, a few removed), and the rest of the text is the kept bytes: the result is byte for
// byte what FormatDrawing writes, at a small part of its cost.
#pragma once

#include "model/drawing_file.h"
#include "model/list_image.h"
#include "model/marked_splice.h"

#include <string>

namespace velmora {

// What an update did: refused a list no file can hold, kept the text as it was, or changed it.
enum class TextUpdate { Refused, Kept, Changed };

class FormattedDrawing {
public:
    // Makes this the text of list, header and shift. Refused, with error saying why, for a list the file
    // cannot hold; this is then empty, and the next update formats the whole list.
    TextUpdate Update(const TFlist& list, const DrawingHeader& header, CoordShift shift, std::string& error);
    const std::string& Text() const { return Records.Data; }
    const ListImage& Image() const { return Imaged; }

private:
    MarkedRun<std::string> Records; // the header line comes before the first record
    ListImage Imaged;
};

} // namespace velmora
