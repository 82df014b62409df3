// TTWindlg: the window's width and height (millimetres or whole inches), the text size of its size label
// and whether the plan shows the sizes and a cill. Opens on WIND.CFG and refuses sizes out of range with
// the dialog left open.
#pragma once

#include "building/opening_settings.h"
#include "dialogs/dialog.h"

namespace velmora {

struct TTWindlg {
    static constexpr const char* Caption = "window";
    static constexpr const char* Width = "window width";
    static constexpr const char* Height = "window height";
    static constexpr const char* Small = "6 pts";
    static constexpr const char* Large = "8 pts";
    static constexpr const char* ShowSizes = "show sizes on plan";
    static constexpr const char* ShowCill = "show a cill on plan";
    static constexpr int MinWidth = 100, MaxWidth = 9000, MinHeight = 100, MaxHeight = 6000;

    static DialogDescription Make(const WindowSettings& w, int metricFlag);
    // The dialog's values over the settings it was opened with.
    static WindowSettings Read(const DialogDescription& d, WindowSettings w, int metricFlag);
};

} // namespace velmora
