#include "tools/dimension_settings.h"

#include "app/settings_files.h"

namespace velmora {

DimensionOffsets ReadDimensionOffsets(const std::filesystem::path& home, int metricFlag) {
    DimensionOffsets d;
    if (metricFlag != 1) d.Internal = 384, d.External = 576, d.Overall = 960;
    const auto v = ReadSettingsInts(home, metricFlag == 1 ? "MOFFSET.CFG" : "IOFFSET.CFG", 7);
    if (!v) return d;
    const auto& n = *v;
    return {n[0], n[1], n[2], n[3], n[4], n[5], n[6]};
}

ManualArrowSettings ReadManualArrowSettings(const std::filesystem::path& home) {
    ManualArrowSettings a;
    if (const auto v = ReadSettingsInts(home, "ARROW.CFG", 2)) a = {(*v)[0], (*v)[1]};
    return a;
}

} // namespace velmora
