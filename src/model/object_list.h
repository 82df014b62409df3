// The one list of drawing objects of the open drawing: every view at once, in file order. A view is only a
// filter on the objects' view codes. The first six objects of a drawing are its floor records.
#pragma once

#include "model/drawing_objects.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

// View codes.
enum : int {
    ViewLayout = 40,
    ViewLayoutMarking = 45,
    ViewGround = 120,
    ViewFirst = 121,
    ViewSecond = 122,
    ViewThird = 123,
    ViewBasement = 124,
    ViewNone = 125,
    ViewSite = 190,
};

constexpr int NothingHit = 30001;
constexpr int FloorRecordCount = 6;

inline bool IsFloorPlanView(int view) { return view > 119 && view < 125; }

struct Extent {
    int MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
    bool Empty = true;
};

class TFlist {
public:
    TFlist() { Objects.reserve(40); }
    TFlist(const TFlist&) = delete;
    TFlist& operator=(const TFlist&) = delete;
    TFlist(TFlist&&) = default;
    TFlist& operator=(TFlist&&) = default;

    int ObjectCount() const { return static_cast<int>(Objects.size()); }
    TObj* At(int i) { return Objects[static_cast<std::size_t>(i)].get(); }
    const TObj* At(int i) const { return Objects[static_cast<std::size_t>(i)].get(); }
    void Append(std::unique_ptr<TObj> obj) { Objects.push_back(std::move(obj)); }
    void Replace(int i, std::unique_ptr<TObj> obj) { Objects[static_cast<std::size_t>(i)] = std::move(obj); }
    void Clear() { Objects.clear(); }
    void RemoveAt(int i) { Objects.erase(Objects.begin() + i); }
    void Reserve(std::size_t n) { Objects.reserve(n); }
    void Swap(TFlist& other) noexcept { Objects.swap(other.Objects); }
    // Removes, in one pass, every object from index first on for which remove(object) is true; the others
    // keep their order. Returns how many went.
    template <class Pred> int RemoveFrom(int first, Pred remove) {
        auto from = Objects.begin() + std::min<std::ptrdiff_t>(first, ObjectCount());
        auto kept =
            std::remove_if(from, Objects.end(), [&](const std::unique_ptr<TObj>& o) { return remove(*o); });
        const int gone = static_cast<int>(Objects.end() - kept);
        Objects.erase(kept, Objects.end());
        return gone;
    }
    // Moves every object of other to the end of this list; other is left empty.
    void AppendAll(TFlist&& other);

    auto begin() const { return Objects.begin(); }
    auto end() const { return Objects.end(); }

    // True when some object from index 6 on lies in view `code` and is a wall (100 or 150): only walls make
    // a floor or the site plan exist.
    bool HasContent(int code) const;
    // The highest floor (123 .. 120) holding any object other than a floor record.
    int TopFloor() const;
    // Hit tests in logical units (x, y); the index hit, or NothingHit. Never one of the floor records.
    int WallAt(int view, int unitsPerLogical, int x, int y) const;
    int TextAt(int view, int unitsPerLogical, int x, int y) const;
    // Kind (29000 or 29001) of the first design room of the view strictly containing the logical point.
    int DesignRoomAt(int view, int unitsPerLogical, int x, int y) const;
    // The reference corner of a view: the bottom-left corner of its external walls (the site plan: of its
    // outline polygons), rounded down to whole logical units; nothing when there is none.
    std::optional<Point> DatumCorner(int view, int wallDisplayMode, int unitsPerLogical) const;
    // Appends, for every external wall of the ground floor, a copy on the site plan.
    void CopyGroundWallsToSite();
    // Bounding box of objects first .. end (object points only).
    Extent ObjectsExtent(int first) const;
    // The floor record of a floor view (120-125) when the record at its place is that record.
    TInfoobj* FloorRecord(int view);

private:
    std::vector<std::unique_ptr<TObj>> Objects;
};

} // namespace velmora
