// The zoom style dialog (TTZoomdlg): whether a new view opens at normal size or at the previous zoom state.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TTZoomdlg {
    static constexpr const char* Caption = "zoom style";
    static constexpr const char* NormalSize = "always show a new view at normal size";
    static constexpr const char* PreviousState = "show new view at previous zoom state";
    // style: 0 normal size, 1 previous zoom state (anything else shows 0).
    static DialogDescription Make(int style);
    static int Result(const DialogDescription& d);
};

} // namespace velmora
