// The drawing file as the last save wrote it: where, which file that is on disk, its stamp, and its text with
// the image of the list it was written from. While the list still matches the image and the file is still
// that file, the file holds the list's own bytes, and a copy of the list can be had by linking to it instead
// of writing it; and the next save formats only what changed since.
#pragma once

#include "model/file_io.h"
#include "model/file_stamp.h"
#include "model/formatted_drawing.h"

#include <filesystem>

namespace velmora {

struct SavedDrawing {
    std::filesystem::path File;
    FileIdentity Identity;
    FileStamp Stamp;
    FormattedDrawing Drawing;
};

} // namespace velmora
