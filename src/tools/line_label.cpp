#include "tools/line_label.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "dialogs/line_text_dialog.h"
#include "model/drawing_objects.h"
#include "tools/dimension_settings.h"
#include "tools/line_commands.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace velmora {

namespace {

constexpr int NoLineMarker = 125000;

int SlopedBearing(Point a, Point b, int f) {
    const bool right = b.X > a.X, up = b.Y > a.Y;
    if (right) return up ? f : 1800 - f;
    return up ? 3600 - f : f + 1800;
}

int Midpoint(int a, int b) {
    return static_cast<int>(a + (std::int64_t{b} - a) / 2);
}

// The question: O K with a text writes it and its side to LTEXT.CFG; an empty text keeps the file.
bool AskLineText(AppState& s, Ui& ui) {
    SaveDrawing(s, ModeWorking);
    DialogDescription d = TTLinetextdlg::Make();
    if (!RunAccepted(ui, d)) return false;
    const std::string text = d.Value(TTLinetextdlg::Text);
    if (text.empty() || text.size() > TTLinetextdlg::MaxText) return true;
    std::string error;
    ReportWrite(ui,
                WriteSettingsLine(s.HomePath, "LTEXT.CFG", error, "%d %d\n%s", TTLinetextdlg::Side(d),
                                  static_cast<int>(text.size()), text.c_str()),
                error);
    return true;
}

} // namespace

LineLabelPlace PlaceLineLabel(Point a, Point b, int side, int q) {
    LineLabelPlace p;
    const bool first = side != 2;
    p.Align = first ? 6 : 4;
    if (a.Y == b.Y) {
        p.Anchor = {Midpoint(a.X, b.X), first ? a.Y + q : a.Y - q};
        p.Direction = a.X < b.X ? 900 : 2700;
        return p;
    }
    if (a.X == b.X) {
        p.Anchor = {first ? a.X - q : a.X + q, Midpoint(a.Y, b.Y)};
        p.Direction = b.Y < a.Y ? 1800 : 0;
        p.Escapement = 2700;
        return p;
    }
    const double dx = std::llabs(std::int64_t{b.X} - a.X), dy = std::llabs(std::int64_t{b.Y} - a.Y);
    const int f = static_cast<int>(std::floor(std::atan(dx / dy) * 572.9578 + 0.5));
    const int bearing = SlopedBearing(a, b, f);
    p.Direction = bearing;
    p.Escapement = (bearing <= 900 || (bearing > 1800 && bearing <= 2700)) ? f + 2700 : 900 - f;
    const int reduced = bearing < 900    ? 900 - bearing
                        : bearing < 1800 ? bearing - 900
                        : bearing < 2700 ? 2700 - bearing
                                         : bearing - 2700;
    const double r = reduced * 0.001745;
    const int sx = static_cast<int>(std::trunc(std::sin(r) * q)),
              cy = static_cast<int>(std::trunc(std::cos(r) * q));
    const bool eastward = (bearing >= 900 && bearing <= 1800) || bearing > 2699;
    Point shift =
        first ? (eastward ? Point{sx, cy} : Point{-sx, cy}) : (eastward ? Point{-sx, -cy} : Point{sx, -cy});
    p.Anchor = {Midpoint(a.X, b.X) + shift.X, Midpoint(a.Y, b.Y) + shift.Y};
    return p;
}

// Labels the line the tool made last: never an older line, and nothing when the tool made none.
void TLineobjtool::Refresh(Canvas& dc, Size) {
    TFlist& list = S.DrawingObjects;
    if (MadeIndex < FloorRecordCount || MadeIndex >= list.ObjectCount()) return;
    const auto* line = dynamic_cast<const TLineobj*>(list.At(MadeIndex));
    if (!line || line->Kind != ModePlainLine) return;
    Step = 50;
    const auto stored = ReadSettings(S.HomePath, "LTEXT.CFG");
    if (!stored || stored->Strings.empty() || stored->Strings[0].empty()) return;
    const int side = stored->Int(0);
    const std::string& text = stored->Strings[0];
    const DimensionOffsets offsets = ReadDimensionOffsets(S.HomePath, S.MetricFlag);
    const TextSettings style = ReadTextSettings(S.HomePath).value_or(TextSettings{});
    const int u = S.UnitsPerLogical;
    Font font{style.FontName, offsets.DimensionSize * u, 0, style.Weight < 500 ? 400 : 700,
              style.Italic == 1};
    dc.SetFont(font);
    const int q = dc.GetTextMetrics().Height * u / 4;
    const LineLabelPlace place = PlaceLineLabel({line->X1, line->Y1}, {line->X2, line->Y2}, side, q);
    auto label = std::make_unique<TTextobj>(35, S.CurrentView, 0, 0, place.Anchor.X, place.Anchor.Y, text,
                                            style.FontName, offsets.DimensionSize, place.Escapement,
                                            place.Align, style.Weight, S.CurrentColour);
    label->X2 = place.Direction;
    PaintAtOnce(dc, *label);
    list.Append(std::move(label));
}

void CmLinetextExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    const int style = s.CurrentTool ? s.CurrentTool->LineStyle : 0;
    s.LastCommand = 240;
    if (s.SaveState == 0) s.SaveState = 1;
    RecordUndo(s, ui);
    auto tool = std::make_unique<TLineobjtool>(s, ui, ModePlainLine);
    tool->Step = 50;
    tool->LineStyle = style;
    tool->PenWidth = s.CurrentPenWidth;
    tool->Y1 = NoLineMarker;
    s.CurrentTool = std::move(tool);
    s.EnterPhase = 1;
    ui.SetPanel(0, "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    ui.SetPanel(2, std::to_string(s.CurrentPenWidth) + ", " + LineStyleLabel(style) + "+txt");
}

void LabelLineJustMade(AppState& s, Ui& ui, Canvas& dc) {
    if (!AskLineText(s, ui)) {
        ReturnToPickTool(s, ui);
        s.CurrentTool->Y1 = NoLineMarker;
        return;
    }
    TDrawingtool* tool = s.CurrentTool.get();
    tool->Refresh(dc, ui.ClientSize());
    if (s.CurrentView == 190) {
        // The site plan labels one line after another: the next line starts where this one ended.
        tool->Step = 51;
        tool->Marked = 1;
    } else {
        ReturnToPickTool(s, ui);
    }
    SaveDrawing(s, ModeWorking);
}

} // namespace velmora
