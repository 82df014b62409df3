#include "dialogs/floor_area_dialog.h"

#include <cstdio>

namespace velmora {

std::string TTAreadlg::AreaText(long area, int metricFlag) {
    char text[48];
    std::snprintf(text, sizeof text, metricFlag == 1 ? "%ld sq. metres" : "%ld sq. ft", area);
    return text;
}

DialogDescription TTAreadlg::Make(const std::array<long, 5>& areas, int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "view.htm";
    const char* labels[] = {Ground, First, Second, Third, Basement};
    long total = 0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        DialogField f = MakeField(labels[i], FieldKind::Text, AreaText(areas[i], metricFlag));
        f.Enabled = false;
        d.Fields.push_back(f);
        total += areas[i];
    }
    DialogField sum = MakeField(Total, FieldKind::Text, AreaText(total, metricFlag));
    sum.Enabled = false;
    d.Fields.push_back(sum);
    d.Buttons.push_back(MakeButton("O K"));
    d.Buttons.push_back(MakeButton("Help", false));
    return d;
}

} // namespace velmora
