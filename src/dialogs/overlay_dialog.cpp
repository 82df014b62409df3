#include "dialogs/overlay_dialog.h"

namespace velmora {

namespace {

DialogField Box(const char* label, bool on, const char* group) {
    return MakeField(label, FieldKind::Check, on ? "1" : "0", group);
}

} // namespace

DialogDescription TTOverdlg::Make(const OverlayFlags& f, bool showDimensions) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "view.htm";
    d.Fields.push_back(Box(Ground, f.Ground, FloorsGroup));
    d.Fields.push_back(Box(First, f.First, FloorsGroup));
    d.Fields.push_back(Box(Second, f.Second, FloorsGroup));
    d.Fields.push_back(Box(Third, f.Third, FloorsGroup));
    d.Fields.push_back(Box(Basement, f.Basement, FloorsGroup));
    d.Fields.push_back(StaticText(Or, FloorsGroup));
    d.Fields.push_back(Box(BasementWith, f.BasementWithGround, FloorsGroup));
    d.Fields.push_back(StaticText(GroundOverlay, FloorsGroup));
    d.Fields.push_back(StaticText(Note));
    d.Fields.push_back(Box(ShowDimensions, showDimensions, DimensionsGroup));
    AddOkCancelHelp(d);
    return d;
}

OverlayFlags TTOverdlg::Floors(const DialogDescription& d, const OverlayFlags& before) {
    OverlayFlags f;
    f.Ground = d.IsOn(Ground);
    f.First = d.IsOn(First);
    f.Second = d.IsOn(Second);
    f.Third = d.IsOn(Third);
    f.Basement = d.IsOn(Basement);
    f.BasementWithGround = d.IsOn(BasementWith);
    f.Spare = before.Spare;
    return f;
}

bool TTOverdlg::Dimensions(const DialogDescription& d) {
    return d.IsOn(ShowDimensions);
}

} // namespace velmora
