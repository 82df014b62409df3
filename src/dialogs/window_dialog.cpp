#include "dialogs/window_dialog.h"

#include "dialogs/opening_input.h"

namespace velmora {

namespace {
constexpr const char* SizeGroup = "inches or mm.";
constexpr const char* TextGroup = "text size";
} // namespace

DialogDescription TTWindlg::Make(const WindowSettings& w, int metricFlag) {
    DialogDescription d;
    d.Caption = Caption;
    d.HelpPage = "windoor.htm";
    d.Fields.push_back(MakeField(Width, FieldKind::Number, ShownLength(w.Width, metricFlag), SizeGroup));
    d.Fields.push_back(MakeField(Height, FieldKind::Number, ShownLength(w.Height, metricFlag), SizeGroup));
    d.Fields.push_back(RadioField(Small, w.TextSize == 6, TextGroup));
    d.Fields.push_back(Beside(RadioField(Large, w.TextSize != 6, TextGroup)));
    d.Fields.push_back(MakeField(ShowSizes, FieldKind::Check, w.ShowSizes ? "1" : "0"));
    d.Fields.push_back(MakeField(ShowCill, FieldKind::Check, w.ShowCill ? "1" : "0"));
    AddOkCancelHelp(d);
    d.Check = [metricFlag](const DialogDescription& dialog,
                           const std::string&) -> std::optional<std::string> {
        const int width = TypedLength(dialog.Value(Width), metricFlag);
        const int height = TypedLength(dialog.Value(Height), metricFlag);
        if (width < MinWidth || width > MaxWidth)
            return IncorrectInput("width", MinWidth, MaxWidth, metricFlag);
        if (height < MinHeight || height > MaxHeight)
            return IncorrectInput("height", MinHeight, MaxHeight, metricFlag);
        return std::nullopt;
    };
    return d;
}

WindowSettings TTWindlg::Read(const DialogDescription& d, WindowSettings w, int metricFlag) {
    w.Width = TypedLength(d.Value(Width), metricFlag);
    w.Height = TypedLength(d.Value(Height), metricFlag);
    w.TextSize = d.IsOn(Small) ? 6 : 8;
    w.ShowSizes = d.IsOn(ShowSizes) ? 1 : 0;
    w.ShowCill = d.IsOn(ShowCill) ? 1 : 0;
    return w;
}

} // namespace velmora
