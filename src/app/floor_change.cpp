#include "app/floor_change.h"

#include "dialogs/floor_change_dialog.h"

namespace velmora {

std::optional<int> AskFloorChange(Ui& ui) {
    DialogDescription d = TFloorChange::Make();
    if (ui.RunDialog(d) != "O K") return std::nullopt;
    return TFloorChange::Result(d);
}

} // namespace velmora
