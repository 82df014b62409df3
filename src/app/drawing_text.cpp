#include "app/drawing_text.h"

namespace velmora {

const std::string* CurrentDrawingText(AppState& state, std::string& error) {
    const TextUpdate update =
        state.LastFormatted.Update(state.DrawingObjects, state.Header(), state.Shift(), error);
    if (update != TextUpdate::Kept) state.LastSave.reset();
    return update == TextUpdate::Refused ? nullptr : &state.LastFormatted.Text();
}

} // namespace velmora
