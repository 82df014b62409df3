#include "dialogs/customise_dialogs.h"

#include <charconv>
#include <cstdint>

namespace velmora {

namespace {

constexpr const char* HelpCustomise = "custom.htm";

// A button that acts while the dialog stays open.
DialogButton ActionButton(const std::string& caption, std::function<void(DialogDescription&)> action) {
    DialogButton b;
    b.Caption = caption;
    b.Closes = false;
    b.Action = std::move(action);
    return b;
}

std::vector<DialogButton> OkCancel() {
    return {MakeButton("O K"), MakeButton("Cancel", true, true)};
}

std::string Refusal(const std::string& name, const std::string& range) {
    return name + " input is incorrect\n" + range;
}

// One box of a range check: the refusal when the typed value is no number or, once multiplied by scale,
// outside [low, high]. The product is taken in 64 bits, so no typed number can wrap into the range.
std::optional<std::string> CheckRange(const DialogDescription& d, const std::string& label, int low, int high,
                                      const std::string& name, const std::string& range, int scale = 1) {
    const std::optional<int> v = ParseWholeNumber(d.Value(label));
    const std::int64_t units = v ? std::int64_t{*v} * scale : 0;
    if (!v || units < low || units > high) return Refusal(name, range);
    return std::nullopt;
}

// The room text boxes count anything that is no number as 10 points.
int PointsOr10(const DialogDescription& d, const std::string& label) {
    return ParseWholeNumber(d.Value(label)).value_or(10);
}

} // namespace

DialogDescription TTMeasdlg::Make(int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.Fields = {RadioField(Imperial, metricFlag != 1, "measuring system"),
                RadioField(Metric, metricFlag == 1, "measuring system")};
    d.Buttons = OkCancel();
    return d;
}

int TTMeasdlg::Result(const DialogDescription& d) {
    return d.IsOn(Metric) ? 1 : 0;
}

DialogDescription TTZoomdlg::Make(int style) {
    const std::string group = "zoom defaults";
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = HelpCustomise;
    d.Fields = {RadioField(NormalSize, style != 1, group), RadioField(PreviousState, style == 1, group)};
    d.Buttons = OkCancel();
    DialogButton help = MakeButton("Help");
    help.Closes = false;
    d.Buttons.push_back(help);
    return d;
}

int TTZoomdlg::Result(const DialogDescription& d) {
    return d.IsOn(PreviousState) ? 1 : 0;
}

DialogDescription TTOffsetdlg::Make(const DimensionSettings& current, int metricFlag) {
    const int scale = metricFlag == 1 ? 1 : 24; // imperial boxes show whole inches
    const std::string offsets = "arrow offsets from a wall";
    const std::string text = TextSize;
    const std::string unit = metricFlag == 1 ? "mm." : "inches";
    DialogDescription d;
    d.Caption = "showing dimensions";
    d.HelpPage = HelpCustomise;
    d.Fields = {
        NumberField(Internal, current.InternalOffset / scale, unit, offsets),
        NumberField(External, current.ExternalOffset / scale, unit, offsets),
        NumberField(Overall, current.OverallOffset / scale, unit, offsets),
        StaticText("( ranges 6 - 120 inches, metric 100 - 3000 mm. )", offsets),
        NumberField(text, current.TextSize, "pts", text),
        RadioField(Horizontal, current.TextDirection != 2700, text),
        RadioField(AlongLine, current.TextDirection == 2700, text),
    };
    d.Buttons = OkCancel();
    // The offsets are checked as they are stored, in world units: 100 - 3000 (overall 100 - 5000) in either
    // system, so an imperial value the check accepts is always one the offsets file may hold. In inches that
    // is 5 - 125 (overall 5 - 208); the refusal still quotes the rounder ranges the dialog has always shown.
    d.Check = [metric = metricFlag == 1, scale](const DialogDescription& dlg, const std::string&) {
        const std::string range = metric ? "100 - 3000 mm." : "4 - 120 inches";
        const std::string rangeOverall = metric ? "100 - 5000 mm." : "4 - 200 inches";
        if (auto r = CheckRange(dlg, Internal, 100, 3000, "internal", range, scale)) return r;
        if (auto r = CheckRange(dlg, External, 100, 3000, "external", range, scale)) return r;
        if (auto r = CheckRange(dlg, Overall, 100, 5000, "overall", rangeOverall, scale)) return r;
        return CheckRange(dlg, TextSize, 8, 12, "dimension text", "8 - 12");
    };
    return d;
}

DimensionSettings TTOffsetdlg::Result(const DialogDescription& dialog, const DimensionSettings& current,
                                      int metricFlag) {
    const int scale = metricFlag == 1 ? 1 : 24;
    DimensionSettings out = current;
    out.InternalOffset = ParseWholeNumber(dialog.Value(Internal)).value_or(0) * scale;
    out.ExternalOffset = ParseWholeNumber(dialog.Value(External)).value_or(0) * scale;
    out.OverallOffset = ParseWholeNumber(dialog.Value(Overall)).value_or(0) * scale;
    out.TextSize = ParseWholeNumber(dialog.Value(TextSize)).value_or(10);
    out.TextDirection = dialog.IsOn(Horizontal) ? 0 : 2700;
    return out;
}

DialogDescription TTRoomtextdlg::Make(const DimensionSettings& current) {
    const std::string group = "room text size";
    DialogDescription d;
    d.Caption = "text sizes for rooms";
    d.HelpPage = HelpCustomise;
    d.Fields = {
        NumberField(DimensionsSize, current.DimensionSize, group), StaticText("pts", group),
        NumberField(RoomNameSize, current.RoomNameSize, group),    StaticText("pts", group),
        StaticText("range is between 8 - 12 points", group),
    };
    // A box that counts a non-number as 10 would let a slip of the finger pass unseen; it is refused with
    // the box's own words instead.
    d.Field(DimensionsSize)->NotNumber = Refusal("dimensions", "6 - 20");
    d.Field(RoomNameSize)->NotNumber = Refusal("room name", "6 - 20");
    d.Buttons = OkCancel();
    d.Check = [](const DialogDescription& dlg, const std::string&) -> std::optional<std::string> {
        auto bad = [](int v) { return v < 6 || v > 20; };
        if (bad(PointsOr10(dlg, DimensionsSize))) return Refusal("dimensions", "6 - 20");
        if (bad(PointsOr10(dlg, RoomNameSize))) return Refusal("room name", "6 - 20");
        return std::nullopt;
    };
    return d;
}

DimensionSettings TTRoomtextdlg::Result(const DialogDescription& dialog, const DimensionSettings& current) {
    DimensionSettings out = current;
    out.DimensionSize = PointsOr10(dialog, DimensionsSize);
    out.RoomNameSize = PointsOr10(dialog, RoomNameSize);
    return out;
}

DialogDescription TDefGuideDlg1::Make(int position, Colorref colour,
                                      std::function<std::optional<Colorref>(Colorref current)> changeColour) {
    const std::string group = "guide line position";
    DialogDescription d;
    d.Caption = "Guide Line Details";
    d.HelpPage = HelpCustomise;
    d.Fields = {
        RadioField(Top, position == 1, group),
        RadioField(Bottom, position != 1, group),
        MakeField(Sample, FieldKind::ColourSwatch, std::to_string(colour), ""),
    };
    d.Buttons = OkCancel();
    d.Buttons.push_back(
        ActionButton(ChangeColour, [changeColour = std::move(changeColour)](DialogDescription& dlg) {
            if (auto chosen = changeColour(Colour(dlg))) dlg.SetValue(Sample, std::to_string(*chosen));
        }));
    // Beside the sample it changes; among O K and Cancel it read as a third way to close the dialog.
    d.Buttons.back().BesideField = Sample;
    return d;
}

int TDefGuideDlg1::Position(const DialogDescription& dialog) {
    return dialog.IsOn(Top) ? 1 : 3;
}

Colorref TDefGuideDlg1::Colour(const DialogDescription& dialog) {
    Colorref c = 0;
    const std::string v = dialog.Value(Sample);
    std::from_chars(v.data(), v.data() + v.size(), c);
    return c;
}

} // namespace velmora
