#include "building/design_room_bounds.h"

#include "app/settings_files.h"
#include "model/drawing_objects.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr int LayoutView = 40;
constexpr int MarkingView = 45;

bool IsDesignRoomKind(std::int32_t kind) {
    return kind == 29000 || kind == 29001;
}

int CountedView(int view) {
    return view == MarkingView ? LayoutView : view;
}

// The index of the last object when it is a design room of the view still at the new-room place; -1 else.
int ParkedLastIndex(const AppState& state, int view) {
    const TFlist& list = state.DrawingObjects;
    if (list.ObjectCount() == 0) return -1;
    const int last = list.ObjectCount() - 1;
    const TObj& obj = *list.At(last);
    if (!IsDesignRoomKind(obj.Kind) || obj.View != view) return -1;
    return IsAtNewRoomPlace(state, obj) ? last : -1;
}

} // namespace

bool IsAtNewRoomPlace(const AppState& state, const TObj& room) {
    const auto* r = dynamic_cast<const TRoomobj*>(&room);
    if (!r) return false;
    const std::int64_t upl = state.UnitsPerLogical;
    const std::int64_t x = (2 * upl + state.ViewOrgX) * upl;
    const std::int64_t y = std::int64_t{r->RoomLength} + (2 * upl + state.ViewOrgY) * upl;
    return r->X1 == x && r->Y1 == y;
}

DesignRoomBoundsResult DesignRoomBounds(const AppState& state) {
    DesignRoomBoundsResult result;
    const int view = CountedView(state.CurrentView);
    const TFlist& list = state.DrawingObjects;
    for (int i = 0; i < list.ObjectCount(); ++i) {
        const TObj& obj = *list.At(i);
        if (IsDesignRoomKind(obj.Kind) && obj.View == view) ++result.Count;
    }
    if (result.Count < 2) return result;
    if (state.CurrentView >= 50) {
        WriteSettingsLine(state.HomePath, "BOUNDS.CFG", result.Error, "%ld %ld %ld %ld\n", 200000L, 0L, 0L,
                          200000L);
        return result;
    }
    const int parked = ParkedLastIndex(state, view);
    bool any = false;
    for (int i = 0; i < list.ObjectCount(); ++i) {
        const TObj& obj = *list.At(i);
        if (!IsDesignRoomKind(obj.Kind) || obj.View != view || i == parked) continue;
        if (!any) {
            result.Left = obj.X1, result.Top = obj.Y1, result.Right = obj.X2, result.Bottom = obj.Y2;
            any = true;
            continue;
        }
        result.Left = std::min<std::int64_t>(result.Left, obj.X1);
        result.Top = std::max<std::int64_t>(result.Top, obj.Y1);
        result.Right = std::max<std::int64_t>(result.Right, obj.X2);
        result.Bottom = std::min<std::int64_t>(result.Bottom, obj.Y2);
    }
    result.Width = result.Right - result.Left;
    result.Height = result.Top - result.Bottom;
    result.Area = result.Width * result.Height;
    const bool rect = WriteSettingsLine(
        state.HomePath, "RECT.CFG", result.Error, "%lld %lld %lld\n", static_cast<long long>(result.Width),
        static_cast<long long>(result.Height), static_cast<long long>(result.Area));
    const bool bounds =
        rect &&
        WriteSettingsLine(state.HomePath, "BOUNDS.CFG", result.Error, "%lld %lld %lld %lld\n",
                          static_cast<long long>(result.Left), static_cast<long long>(result.Top),
                          static_cast<long long>(result.Right), static_cast<long long>(result.Bottom));
    result.BoxWritten = bounds;
    return result;
}

} // namespace velmora
