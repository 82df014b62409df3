// The measuring system question (TTMeasdlg): feet and inches or metric, for new drawings and for the
// customise commands that edit the metric or imperial twin of a settings file.
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

struct TTMeasdlg {
    static constexpr const char* Caption = "select measuring system to use";
    static constexpr const char* Imperial = "feet && inches";
    static constexpr const char* Metric = "metric";
    // Opens on the given system (1 metric, anything else imperial).
    static DialogDescription Make(int metricFlag);
    // The MetricFlag chosen: 1 metric, 0 feet and inches.
    static int Result(const DialogDescription& d);
};

} // namespace velmora
