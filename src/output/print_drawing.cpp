#include "output/print_drawing.h"

#include "app/app_state.h"
#include "app/drawing_store.h"
#include "app/settings_files.h"
#include "model/drawing_objects.h"
#include "model/file_io.h"

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

constexpr int SplitShiftLeft = 2400; // a split print's scale line sits this far left of its reference

struct Box {
    bool Any = false;
    WorldArea A;
    void Add(int x, int y) {
        if (!Any) {
            A = {x, x, y, y};
            Any = true;
            return;
        }
        A.MinX = std::min(A.MinX, x), A.MaxX = std::max(A.MaxX, x);
        A.MinY = std::min(A.MinY, y), A.MaxY = std::max(A.MaxY, y);
    }
};

void AddObject(Box& box, const TObj& obj) {
    if (const auto* poly = dynamic_cast<const TPolyobj*>(&obj)) {
        const int n = std::clamp(poly->VertexCount, 0, TPolyobj::MaxVertices);
        for (int i = 0; i < n; ++i)
            box.Add(poly->Xs[static_cast<std::size_t>(i)], poly->Ys[static_cast<std::size_t>(i)]);
        return;
    }
    box.Add(obj.X1, obj.Y1);
    if (!IsTextKind(obj.Kind)) box.Add(obj.X2, obj.Y2); // a text has only its anchor
}

bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}

const TTextobj* ReferenceText(const TFlist& list, int view) {
    const TTextobj* lowest = nullptr;
    for (const auto& obj : list) {
        if (obj->View != view || !IsTextKind(obj->Kind)) continue;
        const auto* text = static_cast<const TTextobj*>(obj.get());
        if (obj->Kind == 37) return text;
        if ((obj->Kind == 4 || obj->Kind == 24 || obj->Kind == 34) && (!lowest || text->Y1 < lowest->Y1))
            lowest = text;
    }
    return lowest;
}

std::optional<int> LowestWall(const TFlist& list, int view) {
    std::optional<int> lowest;
    auto take = [&](int y) { lowest = lowest ? std::min(*lowest, y) : y; };
    for (const auto& obj : list) {
        if (obj->View != view) continue;
        if (InRange(view, 120, 189) && IsWallKind(obj->Kind)) take(obj->Y1);
        if (view == ViewSite && obj->Kind == 500) {
            if (const auto* poly = dynamic_cast<const TPolyobj*>(obj.get())) {
                const int n = std::clamp(poly->VertexCount, 0, TPolyobj::MaxVertices);
                for (int i = 0; i < n; ++i)
                    take(poly->Ys[static_cast<std::size_t>(i)]);
            } else {
                take(obj->Y1);
            }
        }
    }
    return lowest;
}

int Clamped(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

std::unique_ptr<TObj> Mask(int view, int x1, int y1, int x2, int y2) {
    const Colorref white = Rgb(255, 255, 255);
    auto mask = std::make_unique<TPolyobj>(2000, view, 0, 0,
                                           std::vector<Point>{{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, white,
                                           white, 1, static_cast<int>(PenStyle::Null));
    return mask;
}

} // namespace

std::optional<PrintDrawing> ReadPrintDrawing(const std::filesystem::path& home,
                                             const std::filesystem::path& file, std::string& error) {
    const auto text = ReadWholeFile(file);
    if (!text) {
        error = "cannot read " + file.string();
        return std::nullopt;
    }
    // The drawing's own measuring system and sheet place its coordinates, whatever the window shows.
    AppState units;
    units.HomePath = home;
    TakeUnitsOfDrawing(units, *text);
    PrintDrawing d;
    DrawingHeader header;
    if (const auto fault = ParseDrawing(*text, units.Shift(), d.Objects, header)) {
        error = file.string() + ":" + std::to_string(fault->Line) + ": " + fault->Message;
        return std::nullopt;
    }
    d.MetricFlag = header.MetricFlag == 1 ? 1 : 0;
    d.UnitsPerLogical = units.UnitsPerLogical;
    d.SheetWidth = units.SheetWidth;
    d.SheetHeight = units.SheetHeight;
    d.Name = file.stem().string();
    return d;
}

std::optional<WorldArea> PrintExtents(const TFlist& list, int view) {
    Box box;
    for (int i = FloorRecordCount; i < list.ObjectCount(); ++i) {
        const TObj* obj = list.At(i);
        if (obj->View == view) AddObject(box, *obj);
    }
    if (!box.Any) return std::nullopt;
    return box.A;
}

std::vector<WorldArea> SplitHalves(const WorldArea& e, bool topAndBottom) {
    if (topAndBottom) {
        const int h = static_cast<int>((static_cast<std::int64_t>(e.MaxY) - e.MinY) / 2);
        return {WorldArea{e.MinX, e.MaxX, e.MaxY, e.MaxY - h}, WorldArea{e.MinX, e.MaxX, e.MaxY - h, e.MinY}};
    }
    const int h = static_cast<int>((static_cast<std::int64_t>(e.MaxX) - e.MinX) / 2);
    return {WorldArea{e.MinX, e.MinX + h, e.MaxY, e.MinY}, WorldArea{e.MaxX - h, e.MaxX, e.MaxY, e.MinY}};
}

ScaleLineSettings ReadScaleLineSettings(const std::filesystem::path& home, int metricFlag) {
    ScaleLineSettings s;
    if (metricFlag != 1) s.TextHeight = 576, s.Gap = 960;
    if (const auto v = ReadSettingsInts(home, SettingsFileFor("MOFFSET.CFG", metricFlag), 3)) {
        s.TextHeight = (*v)[1];
        s.Gap = (*v)[2];
    }
    if (const auto text = ReadTextSettings(home)) {
        s.DefaultFont = text->FontName;
        s.DefaultHeight = text->Size;
        s.DefaultWeight = text->Weight;
    }
    return s;
}

std::unique_ptr<TObj> MakeScaleLine(const PrintDrawing& drawing, int view, const PrintOptions& options,
                                    const ScaleLineSettings& settings, bool splitPrint) {
    const TTextobj* ref = ReferenceText(drawing.Objects, view);
    const std::optional<int> wall = LowestWall(drawing.Objects, view);
    if (!ref && !wall) return nullptr;
    const std::int64_t s = options.Scale;
    const std::int64_t h =
        drawing.MetricFlag == 1 ? settings.TextHeight * s / 100 : settings.TextHeight * s / 96;
    const bool refBelowWall = ref && (!wall || ref->Y1 < *wall);
    const int y = refBelowWall ? Clamped(ref->Y1 - 2 * h) : Clamped(*wall - (4 * h + settings.Gap));
    std::int64_t x =
        ref ? ref->X1 : static_cast<std::int64_t>(drawing.SheetWidth) * drawing.UnitsPerLogical / 2;
    if (splitPrint) x -= SplitShiftLeft;

    std::string text = drawing.Name;
    if (options.ShowScale) text += " scale " + std::to_string(options.Scale) + " : 1";
    auto line = std::make_unique<TTextobj>(4, view, 0, 0, Clamped(x), y, text,
                                           ref ? ref->FontName() : settings.DefaultFont,
                                           ref ? ref->Height : settings.DefaultHeight, 0, ref ? 1 : 6,
                                           ref ? ref->Weight : settings.DefaultWeight, settings.Colour);
    return line;
}

WorldArea PartPrintExtents(const WorldArea& extents, const WorldArea& area, int unitsPerLogical) {
    constexpr int Beyond = 500;
    const std::int64_t out = 200LL * unitsPerLogical;
    std::int64_t minX = extents.MinX, maxX = extents.MaxX, maxY = extents.MaxY, minY = extents.MinY;
    if (area.MinX <= minX) minX = static_cast<std::int64_t>(area.MinX) - Beyond;
    if (area.MaxX >= maxX) maxX = static_cast<std::int64_t>(area.MaxX) + Beyond;
    if (area.MaxY >= maxY) maxY = static_cast<std::int64_t>(area.MaxY) + Beyond;
    if (area.MinY <= minY) minY = static_cast<std::int64_t>(area.MinY) - Beyond;
    return {Clamped(minX - out), Clamped(maxX + out), Clamped(maxY + out), Clamped(minY - out)};
}

std::vector<std::unique_ptr<TObj>> MakePartPrintMasks(const WorldArea& e, const WorldArea& a, int view,
                                                      int unitsPerLogical) {
    // The side bands reach a little over the top and bottom bands, so no hairline of the drawing shows
    // between two masks.
    const int overlap = unitsPerLogical * unitsPerLogical;
    std::vector<std::unique_ptr<TObj>> masks;
    masks.push_back(Mask(view, e.MinX, a.MaxY, e.MaxX, e.MaxY));
    masks.push_back(Mask(view, e.MinX, e.MinY, e.MaxX, a.MinY));
    masks.push_back(Mask(view, e.MinX, Clamped(static_cast<std::int64_t>(a.MinY) - overlap), a.MinX,
                         Clamped(static_cast<std::int64_t>(a.MaxY) + overlap)));
    masks.push_back(Mask(view, a.MaxX, Clamped(static_cast<std::int64_t>(a.MinY) - overlap), e.MaxX,
                         Clamped(static_cast<std::int64_t>(a.MaxY) + overlap)));
    return masks;
}

} // namespace velmora
