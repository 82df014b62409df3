#include "app/plan_titles.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "dialogs/titles_dialog.h"
#include "model/drawing_objects.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

struct WallSpan {
    std::int64_t MinY1 = std::numeric_limits<std::int64_t>::max();
    std::int64_t MinX = std::numeric_limits<std::int64_t>::max();
    std::int64_t MaxX = std::numeric_limits<std::int64_t>::min();
    bool Empty = true;
};

// The external walls a title is placed by: those of the current view (on a floor, past the floor records).
WallSpan SpanOfWalls(const TFlist& list, int view) {
    WallSpan span;
    const int first = view == ViewSite ? 0 : FloorRecordCount - 1;
    for (int i = first; i < list.ObjectCount(); ++i) {
        const TObj* w = list.At(i);
        if (w->Kind != 100 || w->View != view) continue;
        span.MinY1 = std::min<std::int64_t>(span.MinY1, w->Y1);
        span.MinX = std::min<std::int64_t>({span.MinX, w->X1, w->X2});
        span.MaxX = std::max<std::int64_t>({span.MaxX, w->X1, w->X2});
        span.Empty = false;
    }
    return span;
}

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

// Removes the titles of the view that carry these words; true when any was removed.
bool RemoveTitles(TFlist& list, int view, const std::string& title) {
    bool removed = false;
    for (int i = list.ObjectCount() - 1; i >= 0; --i) {
        const TObj* obj = list.At(i);
        if (obj->Kind != PlanTitleKind || obj->View != view || obj->Class() != ObjClass::Text) continue;
        if (static_cast<const TTextobj*>(obj)->Text() != title) continue;
        list.RemoveAt(i);
        removed = true;
    }
    return removed;
}

} // namespace

std::array<std::string, 6> ReadPlanTitles(const std::filesystem::path& home) {
    std::array<std::string, 6> titles;
    if (const auto stored = ReadSettings(home, "TITLE2D.CFG"))
        for (std::size_t i = 0; i < titles.size() && i < stored->Strings.size(); ++i)
            titles[i] = stored->Strings[i];
    return titles;
}

bool WritePlanTitles(const std::filesystem::path& home, const std::array<std::string, 6>& t,
                     std::string& error) {
    auto len = [&](std::size_t i) { return static_cast<int>(t[i].size()); };
    return WriteSettingsLine(home, "TITLE2D.CFG", error, "%d %d %d %d %d %d %s%s%s%s%s%s\n", len(0), len(1),
                             len(2), len(3), len(4), len(5), t[0].c_str(), t[1].c_str(), t[2].c_str(),
                             t[3].c_str(), t[4].c_str(), t[5].c_str());
}

std::optional<std::size_t> TitleIndexOfView(int view) {
    if (view >= ViewGround && view <= ViewBasement) return static_cast<std::size_t>(view - ViewGround);
    if (view == ViewSite) return 5;
    return std::nullopt;
}

bool PlaceFloorTitle(AppState& s, Ui& ui) {
    const auto index = TitleIndexOfView(s.CurrentView);
    if (!index) return false;
    const WallSpan span = SpanOfWalls(s.DrawingObjects, s.CurrentView);
    if (span.Empty) return false;
    const std::string title = ReadPlanTitles(s.HomePath)[*index];
    if (title.empty()) return false;

    std::int64_t o2 = 0, o3 = 0;
    if (const auto offsets = ReadSettingsInts(s.HomePath, SettingsFileFor("MOFFSET.CFG", s.MetricFlag), 3)) {
        o2 = (*offsets)[1];
        o3 = (*offsets)[2];
    }
    std::int64_t y = span.MinY1 - (2 * o2 + o3);
    if (s.CurrentView == ViewSite) y -= 250 * std::int64_t{s.UnitsPerLogical};
    const std::int64_t x = span.MinX + (span.MaxX - span.MinX) / 2;

    // The list stays the file's image: a removal is written before the new title is added.
    if (RemoveTitles(s.DrawingObjects, s.CurrentView, title) && !WriteDrawing(s, ui, ModeWorking))
        return false;

    const TextSettings text = ReadTextSettings(s.HomePath).value_or(TextSettings{});
    auto t = std::make_unique<TTextobj>(PlanTitleKind, s.CurrentView, 0, 0, ClampToInt(x), ClampToInt(y),
                                        title, text.FontName, text.Size, 0, 1, text.Weight, s.CurrentColour);
    t->X2 = 900;
    s.DrawingObjects.Append(std::move(t));
    WriteDrawing(s, ui, ModeWorking);
    return true;
}

void CmTitle2DExecute(AppState& s, Ui& ui) {
    s.LastCommand = 310;
    if (s.SaveState == 0) s.SaveState = 1;
    DialogDescription d = TTTitledlg::Make(ReadPlanTitles(s.HomePath));
    const std::string button = ui.RunDialog(d);
    if (button != "O K") return;
    std::string error;
    if (!WritePlanTitles(s.HomePath, TTTitledlg::Titles(d), error)) ui.Message("", error, MessageKind::Error);
}

} // namespace velmora
