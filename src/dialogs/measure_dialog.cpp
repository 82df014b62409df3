#include "dialogs/measure_dialog.h"

namespace velmora {

namespace {

DialogField MakeField(const std::string& label, FieldKind kind, const std::string& value = "",
                      const std::string& group = "") {
    DialogField f;
    f.Label = label;
    f.Kind = kind;
    f.Value = value;
    f.Group = group;
    return f;
}

DialogButton MakeButton(const std::string& caption, bool closes = true, bool cancel = false) {
    DialogButton b;
    b.Caption = caption;
    b.Closes = closes;
    b.IsCancel = cancel;
    return b;
}

} // namespace

DialogDescription TTMeasdlg::Make(int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.Fields.push_back(
        MakeField(Imperial, FieldKind::Radio, metricFlag == 1 ? "0" : "1", "measuring system"));
    d.Fields.push_back(MakeField(Metric, FieldKind::Radio, metricFlag == 1 ? "1" : "0", "measuring system"));
    d.Buttons.push_back(MakeButton("O K"));
    d.Buttons.push_back(MakeButton("Cancel", true, true));
    return d;
}

int TTMeasdlg::Result(const DialogDescription& d) {
    return d.IsOn(Metric) ? 1 : 0;
}

} // namespace velmora
