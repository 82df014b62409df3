// The working file as the last save wrote it: where, which file that is on disk and its stamp. The bytes it
// wrote are the state's kept drawing text (drawing_text.h) for as long as that text is not changed; while
// the file is also still that file, a copy of the list can be had by linking to it instead of writing it.
#pragma once

#include "model/file_io.h"
#include "model/file_stamp.h"

#include <filesystem>

namespace velmora {

struct SavedDrawing {
    std::filesystem::path File;
    FileIdentity Identity;
    FileStamp Stamp;
};

} // namespace velmora
