// The commands that start the line tool and its dimension and style steps, from the Draw menu and the tool
// bar. Each needs a ready drawing.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

namespace velmora {

// Line: the line tool at Step 0, keeping the line style of the tool it replaces.
void CmLineExecute(AppState& state, Ui& ui);
// Line Style: TTLinedlg; O K sets the pen width of new lines and the installed tool's line style.
void CmLinestyleExecute(AppState& state, Ui& ui);
// Manual Dimensions: the line tool at Step 20 (two points marked with Enter); not on the layout views.
void CmNewdimensionExecute(AppState& state, Ui& ui);
// The marking of an outline corner by corner with construction lines (Mode 11): guide lines through the
// cursor, Enter on each corner. The outline commands that use it install it through here.
void StartConstructionLines(AppState& state, Ui& ui);

// "LINE solid", "LINE dash", "LINE dot" or "LINE dotdash".
const char* LineStyleLabel(int style);

} // namespace velmora
