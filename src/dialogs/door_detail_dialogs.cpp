#include "dialogs/door_detail_dialogs.h"

#include "dialogs/opening_input.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr const char* PlanGroup = "door position";

void AddPlanPictures(DialogDescription& d, int plan) {
    for (int n = 1; n <= 8; ++n) {
        DialogField f =
            MakeField(TTDoorplandlg::PlanLabel(n), FieldKind::PictureRadio, n == plan ? "1" : "", PlanGroup);
        f.Hint = "doorplan" + std::to_string(n);
        if (n != 1 && n != 5) f = Beside(f);
        d.Fields.push_back(f);
    }
}

int PlanOf(const DialogDescription& d) {
    for (int n = 1; n <= 8; ++n)
        if (d.IsOn(TTDoorplandlg::PlanLabel(n))) return n;
    return 1;
}

} // namespace

std::string TTDoorplandlg::PlanLabel(int n) {
    return "door plan " + std::to_string(n);
}

DialogDescription TTDoorplandlg::Make(int plan) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    AddPlanPictures(d, std::clamp(plan, 1, 8));
    AddOkCancelHelp(d);
    return d;
}

int TTDoorplandlg::Plan(const DialogDescription& d) {
    return PlanOf(d);
}

DialogDescription TTEntrydlg::Make(int frameWidth, int position, int type, int doorWidth, int count,
                                   int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(MakeField(FrameWidth, FieldKind::Number, ShownLength(frameWidth, metricFlag)));
    d.Fields.push_back(RadioField(Left, position == 1, "doors position"));
    d.Fields.push_back(RadioField(Right, position == 2, "doors position"));
    d.Fields.push_back(RadioField(Central, position != 1 && position != 2, "doors position"));
    AddOkCancelHelp(d);
    d.Check = [=](const DialogDescription& dialog, const std::string&) -> std::optional<std::string> {
        const int w = FrameWidthOf(dialog, metricFlag);
        if (w < MinWidth || w > MaxWidth)
            return "outside the input range " + OpeningRangeText(MinWidth, MaxWidth, metricFlag);
        if (type == 15 && count == 1 && Position(dialog) == 3 && w < 3 * doorWidth)
            return std::string("frame not wide enough for central sliding door ");
        return std::nullopt;
    };
    return d;
}

int TTEntrydlg::FrameWidthOf(const DialogDescription& d, int metricFlag) {
    return TypedLength(d.Value(FrameWidth), metricFlag);
}

int TTEntrydlg::Position(const DialogDescription& d) {
    if (d.IsOn(Left)) return 1;
    if (d.IsOn(Right)) return 2;
    return 3;
}

DialogDescription TTFoldingdlg::Make(int side) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(RadioField(Left, side == 1, "opening"));
    d.Fields.push_back(RadioField(Right, side == 2, "opening"));
    d.Fields.push_back(RadioField(Both, side != 1 && side != 2, "opening"));
    AddOkCancelHelp(d);
    return d;
}

int TTFoldingdlg::Side(const DialogDescription& d) {
    if (d.IsOn(Left)) return 1;
    if (d.IsOn(Right)) return 2;
    return 0;
}

DialogDescription TTSdoordlg::Make(int plan) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    AddPlanPictures(d, std::clamp(plan, 1, 8));
    d.Fields.push_back(MakeField(IntoWall, FieldKind::Check, "0"));
    AddOkCancelHelp(d);
    return d;
}

int TTSdoordlg::Plan(const DialogDescription& d) {
    return PlanOf(d);
}

DialogDescription TTRobedlg::Make(int openingWidth, int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(MakeField(OpeningWidth, FieldKind::Number, ShownLength(openingWidth, metricFlag)));
    d.Fields.push_back(MakeField(IntoWall, FieldKind::Check, "0"));
    AddOkCancelHelp(d);
    d.Check = [metricFlag](const DialogDescription& dialog,
                           const std::string&) -> std::optional<std::string> {
        const int w = OpeningWidthOf(dialog, metricFlag);
        if (w < MinWidth || w > MaxWidth)
            return IncorrectInput("opening width", MinWidth, MaxWidth, metricFlag);
        return std::nullopt;
    };
    return d;
}

int TTRobedlg::OpeningWidthOf(const DialogDescription& d, int metricFlag) {
    return TypedLength(d.Value(OpeningWidth), metricFlag);
}

} // namespace velmora
