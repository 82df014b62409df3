// The screen scale dialogs of Scale Drawing on Screen: the pixel size of normal views and of the site plan,
// metric (TTScaledlg) and imperial (TTScaleImpdlg).
#pragma once

#include "dialogs/dialog.h"

namespace velmora {

// The zoom factor and site plan zoom the dialog leaves. A site entry that reads as no positive size keeps
// the previous site zoom: a zero site zoom would leave the site plan without a scale to divide by.
struct ScaleChoice {
    float ZoomFactor = 5.0f;
    float SiteZoom = 5.0f;
};

struct TTScaledlg {
    static constexpr const char* Caption = "drawing size on screen";
    static constexpr const char* Group = "each pixel / screen dot ";
    static constexpr const char* SiteLabel = "SITE plan scale on screen     each pixel to be";
    // Nine buttons "= 5 mm." .. "= 45 mm." for zoom factors 1 to 9; each shows the longest length on
    // screen, zoom x 5 x clientWidth, as "%d mm.". The site edit starts at trunc(siteZoom) x 5.
    static DialogDescription Make(float zoomFactor, float siteZoom, int clientWidth);
    // O K (Button1Click): the chosen button's zoom (none chosen: unchanged) and the site entry / 5.
    static ScaleChoice Result(const DialogDescription& d, float zoomFactor, float siteZoom);
};

struct TTScaleImpdlg {
    static constexpr const char* Caption = " drawing size on screen";
    static constexpr const char* Group = "each pixel / screen dot ";
    static constexpr const char* SiteLabel = "  each pixel to be";
    // Six buttons "= 1/4 inch" .. "= 6 inches" for zoom factors 1, 2, 4, 8, 12, 24; each shows the longest
    // length on screen, zoom x clientWidth / 4 inches, as "%d ft, %d inches". The site edit shows
    // trunc(siteZoom / 4) whole inches.
    static DialogDescription Make(float zoomFactor, float siteZoom, int clientWidth);
    // OK (OKBtnClick): the chosen button's zoom and 4 x the site entry.
    static ScaleChoice Result(const DialogDescription& d, float zoomFactor, float siteZoom);
};

} // namespace velmora
