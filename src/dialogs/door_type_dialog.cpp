#include "dialogs/door_type_dialog.h"

#include "building/opening_choice.h"
#include "dialogs/opening_input.h"
#include "view/units.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr const char* TypeGroup = "door type";

struct TypeRow {
    const char* Label;
    int OneDoor, TwoDoors; // the type with one door and with more
};

constexpr std::array<TypeRow, 8> Rows{{
    {TTExdoordlg::Opening, 10, 10},
    {TTExdoordlg::Hanging, 11, 12},
    {TTExdoordlg::Sliding, 13, 14},
    {TTExdoordlg::SideFrame, 15, 15},
    {TTExdoordlg::Entry, 16, 16},
    {TTExdoordlg::Garage, 19, 19},
    {TTExdoordlg::Folding, 21, 21},
    {TTExdoordlg::Wardrobe, 24, 24},
}};

const TypeRow& RowOf(const DialogDescription& d) {
    for (const TypeRow& r : Rows)
        if (d.IsOn(r.Label)) return r;
    return Rows[1];
}

bool ManyDoorsOnly(int type) {
    return type == OpeningFoldingDoors || type == OpeningWardrobe;
}

} // namespace

DialogDescription TTExdoordlg::Make(int type, int width, int count, int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(MakeField(Width, FieldKind::Number, ShownLength(width, metricFlag)));
    d.Fields.push_back(NumberField(Count, std::clamp(count, 1, 10)));
    bool any = false;
    for (const TypeRow& r : Rows) {
        const bool on = type == r.OneDoor || type == r.TwoDoors;
        any = any || on;
        d.Fields.push_back(RadioField(r.Label, on, TypeGroup));
    }
    if (!any) d.Choose(Hanging);
    AddOkCancelHelp(d);
    d.Check = [metricFlag](const DialogDescription& dialog,
                           const std::string&) -> std::optional<std::string> {
        const int w = TypedLength(dialog.Value(Width), metricFlag);
        if (w < MinWidth || w > MaxWidth) return IncorrectInput("width", MinWidth, MaxWidth, metricFlag);
        const int n = ReadNumberOrZero(dialog.Value(Count));
        const int least = ManyDoorsOnly(RowOf(dialog).OneDoor) ? 2 : 1;
        if (n < least || n > 10)
            return std::string("number of doors input is incorrect\n") + (least == 2 ? "2 - 10 " : "1 - 10 ");
        return std::nullopt;
    };
    return d;
}

DoorTypeChoice TTExdoordlg::Read(const DialogDescription& d, int metricFlag) {
    const TypeRow& r = RowOf(d);
    DoorTypeChoice c;
    c.Width = TypedLength(d.Value(Width), metricFlag);
    int n = std::clamp(ReadNumberOrZero(d.Value(Count)), 1, 10);
    if (r.OneDoor == OpeningWallOpening) n = 1;
    if (r.OneDoor == OpeningWardrobe) n = std::max(2, n + n % 2);
    if (r.OneDoor < 20) n = std::min(n, 2);
    c.Count = n;
    c.Type = n >= 2 ? r.TwoDoors : r.OneDoor;
    return c;
}

} // namespace velmora
