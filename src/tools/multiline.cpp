#include "tools/multiline.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/undo_store.h"
#include "model/drawing_objects.h"
#include "tools/line_tool.h"
#include "tools/tool_install.h"
#include "view/units.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

void CmMultilinesExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2) return;
    s.LastCommand = 240;
    SaveDrawing(s, ModeWorking);
    auto tool = std::make_unique<TLineobjtool>(s, ui, ModePlainLine);
    tool->Step = StepMultiline;
    tool->PenWidth = s.CurrentPenWidth;
    TLineobjtool& t = *tool;
    s.CurrentTool = std::move(tool);
    s.EnterPhase = 1;
    ui.SetPanel(2, std::to_string(s.CurrentPenWidth) + ",Multiline");
    const auto typed = ui.InputBox("Multi Lines", "number of lines", "5");
    if (!typed) {
        ReturnToPickTool(s, ui);
        return;
    }
    const int count = ReadNumberOrZero(*typed);
    if (count == 0) {
        ui.Message("", "input must be a valid number", MessageKind::Error);
        return;
    }
    if (count == 1) ui.Message("", "multilines need at least 2 lines", MessageKind::Error);
    if (count < 2 || count > MaxMultilines) {
        ReturnToPickTool(s, ui);
        return;
    }
    t.SuggestedLength = count;
    ui.SetPanel(0, "GUIDE: Press Enter on first line start, then press Enter on line end, now press Enter on "
                   "starting point of final line");
    if (s.CurrentView < 50 && s.LayoutGridOn == 1) ui.Invalidate();
}

void TLineobjtool::KeyStep(Canvas& dc, Size client, const KeyEvent& key, Point& cursor, int amount) {
    if (Step == 42 && Mode == ModePlainLine && key.Code == Key::Enter) {
        DrawMultilines(dc, WorldAt(dc, cursor.X, cursor.Y));
        return;
    }
    TLinetool::KeyStep(dc, client, key, cursor, amount);
}

// The lines between the first line (the one this tool made) and the last one through the point: each step
// is the distance to the point divided by the count less one, truncated, and the last line lies exactly
// through the point. Every line is worked out first, so a set that would leave the sheet draws nothing.
void TLineobjtool::DrawMultilines(Canvas& dc, Point last) {
    Step = 0;
    TFlist& list = S.DrawingObjects;
    const int n = SuggestedLength - 1;
    if (n < 1 || MadeIndex < FloorRecordCount || MadeIndex >= list.ObjectCount()) return;
    const auto* first = dynamic_cast<const TLineobj*>(list.At(MadeIndex));
    if (!first) return;
    const std::int64_t dx = (std::int64_t{last.X} - first->X1) / n,
                       dy = (std::int64_t{last.Y} - first->Y1) / n;
    const std::int64_t lx = std::int64_t{first->X2} - first->X1, ly = std::int64_t{first->Y2} - first->Y1;
    std::vector<std::unique_ptr<TLineobj>> lines;
    auto fits = [](std::int64_t v) { return v >= 10 && v <= std::numeric_limits<int>::max(); };
    for (int k = 1; k <= n; ++k) {
        const std::int64_t x1 = k < n ? first->X1 + k * dx : last.X, y1 = k < n ? first->Y1 + k * dy : last.Y;
        const std::int64_t x2 = x1 + lx, y2 = y1 + ly;
        if (!fits(x1) || !fits(y1) || !fits(x2) || !fits(y2)) return;
        auto line = std::unique_ptr<TLineobj>(static_cast<TLineobj*>(first->Clone().release()));
        line->X1 = static_cast<int>(x1), line->Y1 = static_cast<int>(y1);
        line->X2 = static_cast<int>(x2), line->Y2 = static_cast<int>(y2);
        lines.push_back(std::move(line));
    }
    RecordUndo(S, U);
    for (auto& line : lines) {
        PaintAtOnce(dc, *line);
        list.Append(std::move(line));
    }
    MadeIndex = list.ObjectCount() - 1;
    WriteDrawing(S, U, ModeWorking);
}

} // namespace velmora
