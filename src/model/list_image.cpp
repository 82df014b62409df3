#include "model/list_image.h"

#include "model/object_records.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

constexpr std::size_t HeadSize = 7;
constexpr std::size_t HeadOX = 4, HeadOY = 5;

// The numbers of the head of an image: the header and the shift, then the object count.
template <class Put> void PutHead(Put put, const TFlist& list, const DrawingHeader& h, CoordShift shift) {
    put(h.DesignRoomCount), put(h.MarkCount), put(h.MetricFlag), put(h.NextElementNo);
    put(shift.OX), put(shift.OY), put(list.ObjectCount());
}

// Takes the image of one record (a pass of the writer) or compares one with it (a pass of the checker):
// the same walk both ways, so the two cannot disagree on what belongs to an image. Inlined by force: every
// field of every record kind is a call site, too many for the compiler to inline on its own, and a call per
// number made up a good part of comparing a large list.
template <class Put, class PutChars> class RecordImage {
public:
    RecordImage(Put put, PutChars chars) : P(put), C(chars) {}
    [[gnu::always_inline]] void Kind(const std::int32_t& v) { P(v); }
    [[gnu::always_inline]] void N(const std::int32_t& v) { P(v); }
    [[gnu::always_inline]] void X(const std::int32_t& v) { P(v); }
    [[gnu::always_inline]] void Y(const std::int32_t& v) { P(v); }
    [[gnu::always_inline]] void VertexCount(const std::int32_t& v) { P(v); }
    [[gnu::always_inline]] void Len(const std::string& s, std::size_t) {
        P(static_cast<std::int32_t>(s.size()));
    }
    [[gnu::always_inline]] void Str(const std::string& s) { C(s); }
    void EndLine() {}

private:
    Put P;
    PutChars C;
};

// False for an object no file can hold: its record is not walked (a vertex count beyond the arrays).
template <class Put, class PutChars> bool PutObject(const TObj& obj, Put put, PutChars chars) {
    if (const auto* poly = obj.Class() == ObjClass::Poly ? static_cast<const TPolyobj*>(&obj) : nullptr;
        poly && (poly->VertexCount < 0 || poly->VertexCount > TPolyobj::MaxVertices))
        return false;
    put(obj.Kind), put(static_cast<std::int32_t>(obj.Class()));
    RecordImage<Put, PutChars> image(put, chars);
    VisitRecord(obj, image);
    return true;
}

} // namespace

class ImageWriter {
public:
    static ListImage Of(const TFlist& list, const DrawingHeader& header, CoordShift shift) {
        ListImage image;
        // Room for the longest records (walls, openings) at once: growing a vector this size is costly.
        image.Numbers.Data.reserve(16 + static_cast<std::size_t>(list.ObjectCount()) * 64);
        PutHead([&image](std::int32_t v) { image.Numbers.Data.push_back(v); }, list, header, shift);
        image.Numbers.Starts = {HeadSize};
        Take(list, 0, list.ObjectCount(), image.Numbers, image.Chars);
        return image;
    }

    // Appends the images of objects first to last - 1, one piece each.
    static void Take(const TFlist& list, int first, int last, MarkedRun<std::vector<std::int32_t>>& numbers,
                     MarkedRun<std::string>& chars) {
        const auto put = [&numbers](std::int32_t v) { numbers.Data.push_back(v); };
        const auto str = [&chars](const std::string& s) { chars.Data.append(s); };
        for (int i = first; i < last; ++i) {
            PutObject(*list.At(i), put,
                      str); // only lists that were written are taken: every object is storable
            numbers.EndPiece(), chars.EndPiece();
        }
    }

    static bool SameHead(const ListImage& image, const TFlist& list, const DrawingHeader& header,
                         CoordShift shift) {
        std::size_t n = 0;
        bool same = image.Numbers.Data.size() >= HeadSize;
        PutHead([&](std::int32_t v) { same = same && image.Numbers.Data[n++] == v; }, list, header, shift);
        return same;
    }

    // Whether obj formats to the record of the imaged list's object i.
    static bool SameObject(const ListImage& image, int i, const TObj& obj) {
        const auto& numbers = image.Numbers;
        const auto& chars = image.Chars;
        const auto at = static_cast<std::size_t>(i);
        std::size_t n = numbers.Starts[at], c = chars.Starts[at];
        const std::size_t nEnd = numbers.Starts[at + 1], cEnd = chars.Starts[at + 1];
        bool same = true;
        const auto put = [&](std::int32_t v) __attribute__((always_inline)) {
            same = same && n < nEnd && numbers.Data[n] == v;
            ++n;
        };
        const auto str = [&](const std::string& s) {
            same = same && s.size() <= cEnd - c && chars.Data.compare(c, s.size(), s) == 0;
            c += s.size();
        };
        return PutObject(obj, put, str) && same && n == nEnd && c == cEnd;
    }

    static bool Matches(const ListImage& image, const TFlist& list, const DrawingHeader& header,
                        CoordShift shift) {
        if (!SameHead(image, list, header, shift)) return false; // the head holds the object count
        for (int i = 0; i < list.ObjectCount(); ++i)
            if (!SameObject(image, i, *list.At(i))) return false;
        return true;
    }

    static ListDifference Compare(const ListImage& image, const TFlist& list, CoordShift shift) {
        ListDifference d;
        const auto& head = image.Numbers.Data;
        if (head.size() < HeadSize || head[HeadOX] != shift.OX || head[HeadOY] != shift.OY) return d;
        const int m = image.Numbers.Pieces(), n = list.ObjectCount(), both = std::min(m, n);
        while (d.Same < both && SameObject(image, d.Same, *list.At(d.Same)))
            ++d.Same;
        while (d.Same + d.SameTail < both &&
               SameObject(image, m - 1 - d.SameTail, *list.At(n - 1 - d.SameTail)))
            ++d.SameTail;
        return d;
    }

    static void Update(ListImage& image, const ListDifference& d, const TFlist& list,
                       const DrawingHeader& header, CoordShift shift) {
        if ((d.Same == 0 && d.SameTail == 0) || image.Numbers.Data.size() < HeadSize) {
            image = Of(list, header, shift);
            return;
        }
        MarkedRun<std::vector<std::int32_t>> numbers;
        MarkedRun<std::string> chars;
        Take(list, d.Same, list.ObjectCount() - d.SameTail, numbers, chars);
        SplicePieces(image.Numbers, d.Same, d.SameTail, numbers);
        SplicePieces(image.Chars, d.Same, d.SameTail, chars);
        std::size_t n = 0;
        PutHead([&](std::int32_t v) { image.Numbers.Data[n++] = v; }, list, header, shift);
    }
};

ListImage ListImage::Of(const TFlist& list, const DrawingHeader& header, CoordShift shift) {
    return ImageWriter::Of(list, header, shift);
}

bool ListImage::Matches(const TFlist& list, const DrawingHeader& header, CoordShift shift) const {
    return ImageWriter::Matches(*this, list, header, shift);
}

ListDifference ListImage::Compare(const TFlist& list, CoordShift shift) const {
    return ImageWriter::Compare(*this, list, shift);
}

void ListImage::Update(const ListDifference& difference, const TFlist& list, const DrawingHeader& header,
                       CoordShift shift) {
    ImageWriter::Update(*this, difference, list, header, shift);
}

} // namespace velmora
