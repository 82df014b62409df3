#include "tools/chain_ends.h"

#include <set>
#include <utility>

namespace velmora {

std::optional<OpenChain> FindOpenChain(const TFlist& list, int view, int kind) {
    std::multiset<std::pair<int, int>> starts, ends;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View != view || o->Kind != kind) continue;
        starts.insert({o->X1, o->Y1});
        ends.insert({o->X2, o->Y2});
    }
    std::optional<Point> start, end;
    for (const auto& s : starts)
        if (!ends.contains(s)) start = Point{s.first, s.second};
    for (const auto& e : ends)
        if (!starts.contains(e)) end = Point{e.first, e.second};
    if (!start || !end) return std::nullopt;
    return OpenChain{*start, *end};
}

int CountOfKind(const TFlist& list, int view, int kind) {
    int n = 0;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* o = list.At(i);
        if (o->View == view && o->Kind == kind) ++n;
    }
    return n;
}

} // namespace velmora
