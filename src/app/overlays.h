// The overlay choices of CFG/OVERLAY.CFG and the display-mode variants that go with them: which floors are
// drawn under the working floor, which floor is the working one, and how a mode is mapped back when the
// overlays are left.
#pragma once

#include "view/paint_objects.h"

#include <filesystem>
#include <functional>
#include <string>

namespace velmora {

// Leaving overlays: variants 2 and 4 become 0 (dimensions shown), 3 becomes 1; other modes are kept.
int MapBackFromOverlays(int wallDisplayMode);
// Whether a display mode shows the dimensions of the working floor (variants 0 and 2).
bool ShowsDimensions(int wallDisplayMode);

// OVERLAY.CFG; a missing or unreadable file is no overlays at all.
OverlayFlags ReadOverlayFile(const std::filesystem::path& home);
bool WriteOverlayFile(const std::filesystem::path& home, const OverlayFlags& flags, std::string& error);

// The caption suffix of a view: ".PLN", ".PL1", ".PL2", ".PL3", ".SF", ".STE", ".LYT"; "" for others.
std::string CaptionSuffix(int view);

// Tidies the choices of the overlays dialog as it is accepted: nothing chosen chooses the ground floor, and
// the basement-with-ground choice clears the first, second and third floors.
void SettleOverlayChoice(OverlayFlags& flags);

// The working floor of the chosen overlays: floors chosen without walls are cleared first; then the basement
// with the ground floor overlay (when the basement has walls), else the highest chosen of third, second,
// first, the ground floor (unless the basement-with-ground choice stands), the basement. With nothing
// left the ground floor is chosen and is the working floor.
int ChooseWorkingFloor(OverlayFlags& flags, const std::function<bool(int view)>& hasWalls);

// Whether the working floor is the only floor the flags draw.
bool OnlyWorkingFloorChosen(const OverlayFlags& flags, int workingView);

} // namespace velmora
