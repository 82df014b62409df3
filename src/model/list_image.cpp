#include "model/list_image.h"

#include "model/object_records.h"

#include <cstddef>

namespace velmora {

namespace {

// The numbers of the head of an image: the header and the shift, then the object count.
template <class Put> void PutHead(Put put, const TFlist& list, const DrawingHeader& h, CoordShift shift) {
    put(h.DesignRoomCount), put(h.MarkCount), put(h.MetricFlag), put(h.NextElementNo);
    put(shift.OX), put(shift.OY), put(list.ObjectCount());
}

// Takes the image of one record (a pass of the writer) or compares one with it (a pass of the checker):
// the same walk both ways, so the two cannot disagree on what belongs to an image.
template <class Put, class PutChars> class RecordImage {
public:
    RecordImage(Put put, PutChars chars) : P(put), C(chars) {}
    void Kind(const std::int32_t& v) { P(v); }
    void N(const std::int32_t& v) { P(v); }
    void X(const std::int32_t& v) { P(v); }
    void Y(const std::int32_t& v) { P(v); }
    void VertexCount(const std::int32_t& v) { P(v); }
    void Len(const std::string& s, std::size_t) { P(static_cast<std::int32_t>(s.size())); }
    void Str(const std::string& s) { C(s); }
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
        image.Numbers.reserve(16 + static_cast<std::size_t>(list.ObjectCount()) * 64);
        const auto put = [&image](std::int32_t v) { image.Numbers.push_back(v); };
        const auto chars = [&image](const std::string& s) { image.Chars.append(s); };
        PutHead(put, list, header, shift);
        for (const auto& obj : list)
            PutObject(*obj, put, chars); // only lists that were written are taken: every object is storable
        return image;
    }

    static bool Matches(const ListImage& image, const TFlist& list, const DrawingHeader& header,
                        CoordShift shift) {
        std::size_t n = 0, c = 0;
        bool same = true;
        const auto put = [&](std::int32_t v) {
            same = same && n < image.Numbers.size() && image.Numbers[n] == v;
            ++n;
        };
        const auto chars = [&](const std::string& s) {
            same = same && c + s.size() <= image.Chars.size() && image.Chars.compare(c, s.size(), s) == 0;
            c += s.size();
        };
        PutHead(put, list, header, shift);
        for (const auto& obj : list)
            if (!same || !PutObject(*obj, put, chars)) return false;
        return same && n == image.Numbers.size() && c == image.Chars.size();
    }
};

ListImage ListImage::Of(const TFlist& list, const DrawingHeader& header, CoordShift shift) {
    return ImageWriter::Of(list, header, shift);
}

bool ListImage::Matches(const TFlist& list, const DrawingHeader& header, CoordShift shift) const {
    return ImageWriter::Matches(*this, list, header, shift);
}

} // namespace velmora
