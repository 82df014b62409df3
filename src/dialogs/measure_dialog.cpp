#include "dialogs/measure_dialog.h"

namespace velmora {

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
