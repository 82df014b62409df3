#include "app/overlays.h"

#include "app/settings_files.h"
#include "model/object_list.h"

#include <array>

namespace velmora {

int MapBackFromOverlays(int mode) {
    const int variant = mode % 10;
    const int style = mode - variant;
    if (variant == 2 || variant == 4) return style;
    if (variant == 3) return style + 1;
    return mode;
}

bool ShowsDimensions(int mode) {
    const int variant = mode % 10;
    return mode >= 0 && mode < 30 && (variant == 0 || variant == 2);
}

OverlayFlags ReadOverlayFile(const std::filesystem::path& home) {
    const auto v = ReadSettingsInts(home, "OVERLAY.CFG", 7);
    if (!v) return {};
    std::array<int, 7> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = (*v)[i];
    return OverlayFlags::FromValues(values);
}

bool WriteOverlayFile(const std::filesystem::path& home, const OverlayFlags& f, std::string& error) {
    return WriteSettingsLine(home, "OVERLAY.CFG", error, "%d %d %d %d %d %d %d", f.Basement ? 1 : 0,
                             f.Ground ? 1 : 0, f.First ? 1 : 0, f.Second ? 1 : 0, f.Third ? 1 : 0,
                             f.BasementWithGround ? 1 : 0, f.Spare ? 1 : 0);
}

std::string CaptionSuffix(int view) {
    switch (view) {
    case ViewGround:
        return ".PLN";
    case ViewFirst:
        return ".PL1";
    case ViewSecond:
        return ".PL2";
    case ViewThird:
        return ".PL3";
    case ViewBasement:
        return ".SF";
    case ViewSite:
        return ".STE";
    case ViewLayout:
        return ".LYT";
    default:
        return "";
    }
}

void SettleOverlayChoice(OverlayFlags& f) {
    if (!f.Basement && !f.Ground && !f.First && !f.Second && !f.Third && !f.BasementWithGround)
        f.Ground = true;
    if (f.BasementWithGround) f.First = f.Second = f.Third = false;
}

int ChooseWorkingFloor(OverlayFlags& f, const std::function<bool(int)>& hasWalls) {
    auto keep = [&](bool& flag, int view) {
        if (flag && !hasWalls(view)) flag = false;
    };
    keep(f.Third, ViewThird);
    keep(f.Second, ViewSecond);
    keep(f.First, ViewFirst);
    keep(f.Ground, ViewGround);
    keep(f.Basement, ViewBasement);
    keep(f.BasementWithGround, ViewBasement);
    if (f.BasementWithGround) return ViewBasement;
    if (f.Third) return ViewThird;
    if (f.Second) return ViewSecond;
    if (f.First) return ViewFirst;
    if (f.Ground) return ViewGround;
    if (f.Basement) return ViewBasement;
    f.Ground = true;
    return ViewGround;
}

bool OnlyWorkingFloorChosen(const OverlayFlags& f, int working) {
    const bool floors[] = {f.Ground, f.First, f.Second, f.Third, f.Basement};
    const int views[] = {ViewGround, ViewFirst, ViewSecond, ViewThird, ViewBasement};
    for (int i = 0; i < 5; ++i)
        if (floors[i] != (views[i] == working)) return false;
    return !f.BasementWithGround;
}

} // namespace velmora
