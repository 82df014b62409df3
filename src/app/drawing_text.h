// The drawing file text of the open drawing's list, for every file written from it: the working file, the
// other modes' copies and the undo snapshots. It is brought up from the text formatted last, so only the
// records that changed since are formatted again, and it is byte for byte what formatting the whole list
// gives.
#pragma once

#include "app/app_state.h"

#include <string>

namespace velmora {

// The text of state's list, header and shift, or nothing (error says why) for a list no file can hold. The
// last save is forgotten when the text changes: its file holds the text it wrote, and no longer this one.
const std::string* CurrentDrawingText(AppState& state, std::string& error);

} // namespace velmora
