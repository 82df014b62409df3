#include "model/drawing_objects.h"

#include <algorithm>

namespace velmora {

std::optional<ObjClass> ClassOfKind(std::int32_t kind) {
    if (kind == 1 || kind == 11 || (kind >= 41 && kind <= 99)) return ObjClass::Line;
    if (kind == 3) return ObjClass::Arc;
    if (IsTextKind(kind)) return ObjClass::Text;
    if (kind == 5) return ObjClass::Ellipse;
    if (kind == 6) return ObjClass::Circle;
    if (kind == 8) return ObjClass::Rndrect;
    if (kind == 100 || kind == 110) return ObjClass::Extwall;
    if (kind >= 150 && kind <= 155) return ObjClass::Inwall;
    if (kind == 250 || kind == 260) return ObjClass::Arrow;
    if (kind == 251 || kind == 261) return ObjClass::Dimens;
    if (kind == 29000 || kind == 29001 || kind == 29500) return ObjClass::Room;
    if (kind == 31501 || kind == 31502) return ObjClass::Window;
    if (kind == 31601 || kind == 31602) return ObjClass::Door;
    if (kind >= 1000 && kind <= 24999) return ObjClass::Poly;
    if (kind >= 32000) return ObjClass::Info;
    return std::nullopt;
}

bool IsTextKind(std::int32_t kind) { return kind == 4 || kind == 24 || (kind >= 34 && kind <= 37); }

bool IsWallKind(std::int32_t kind) { return kind == 100 || kind == 150; }

std::string BoundedString(std::string_view s, std::size_t maxLen) {
    std::string out;
    out.reserve(std::min(s.size(), maxLen));
    for (char c : s) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) continue;
        out.push_back(c);
    }
    if (out.size() <= maxLen) return out;
    std::size_t cut = maxLen;
    // Step back over UTF-8 continuation bytes so a letter is never split.
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
    return out;
}

namespace {
bool SetBounded(std::string& field, std::string_view s, std::size_t maxLen) {
    field = BoundedString(s, maxLen);
    return field == s;
}
} // namespace

TLineobj::TLineobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux,
                   std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colorref colour,
                   std::int32_t penWidth, std::int32_t penStyle)
    : TObj(kind, view, highlight, aux, colour, penWidth, penStyle) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
}

TArcobj::TArcobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 std::int32_t startX, std::int32_t startY, std::int32_t endX, std::int32_t endY, Colorref colour,
                 std::int32_t penWidth, std::int32_t penStyle)
    : TObj(3, view, 0, 0, colour, penWidth, penStyle), StartX(startX), StartY(startY), EndX(endX), EndY(endY) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
}

TTextobj::TTextobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux, std::int32_t x,
                   std::int32_t y, std::string_view text, std::string_view fontName, std::int32_t height,
                   std::int32_t angle, std::int32_t align, std::int32_t weight, Colorref colour)
    : TObj(kind, view, highlight, aux, colour, 1, 0), Angle(angle), Align(align), Weight(weight), Height(height) {
    X1 = x;
    Y1 = y;
    SetText(text);
    SetFontName(fontName);
}

bool TTextobj::SetText(std::string_view s) { return SetBounded(Text_, s, MaxText); }
bool TTextobj::SetFontName(std::string_view s) { return SetBounded(FontName_, s, MaxFontName); }

TEllipseobj::TEllipseobj(std::int32_t kind, std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                         std::int32_t y2, Colorref fill, Colorref colour, std::int32_t penWidth,
                         std::int32_t penStyle)
    : TObj(kind, view, 0, 0, colour, penWidth, penStyle) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    FillColour = fill;
}

TCircleobj::TCircleobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       Colorref fill, Colorref colour, std::int32_t penWidth, std::int32_t penStyle)
    : TObj(6, view, 0, 0, colour, penWidth, penStyle) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    FillColour = fill;
}

TRndrectobj::TRndrectobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                         std::int32_t cornerSize, Colorref fill, Colorref colour, std::int32_t penWidth,
                         std::int32_t penStyle)
    : TObj(8, view, 0, 0, colour, penWidth, penStyle), CornerSize(cornerSize) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
    FillColour = fill;
}

TDimensobj::TDimensobj(std::int32_t kind, std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                       std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4,
                       std::int32_t orientation, Colorref colour)
    : TObj(kind, view, 0, 0, colour, 1, 0), X3(x3), Y3(y3), X4(x4), Y4(y4), Orientation(orientation) {
    X1 = x1;
    Y1 = y1;
    X2 = x2;
    Y2 = y2;
}

bool TRoomobj::SetRoomName(std::string_view s) { return SetBounded(RoomName_, s, MaxName); }
bool TRoomobj::SetWidthText(std::string_view s) { return SetBounded(WidthText_, s, MaxWidthText); }
bool TRoomobj::SetLengthText(std::string_view s) { return SetBounded(LengthText_, s, MaxLengthText); }
bool TWindowobj::SetLabel(std::string_view s) { return SetBounded(Label_, s, MaxLabel); }
bool TDoorobj::SetLabel(std::string_view s) { return SetBounded(Label_, s, MaxLabel); }

TPolyobj::TPolyobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux,
                   const std::vector<Point>& vertices, Colorref fill, Colorref colour, std::int32_t penWidth,
                   std::int32_t penStyle)
    : TObj(kind, view, highlight, aux, colour, penWidth, penStyle) {
    FillColour = fill;
    SetVertices(vertices);
}

bool TPolyobj::SetVertices(const std::vector<Point>& vertices) {
    if (vertices.size() > static_cast<std::size_t>(MaxVertices)) return false;
    Xs.fill(0);
    Ys.fill(0);
    Zs.fill(0);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        Xs[i] = vertices[i].X;
        Ys[i] = vertices[i].Y;
    }
    VertexCount = static_cast<std::int32_t>(vertices.size());
    return true;
}

TInfoobj::TInfoobj(std::int32_t kind, std::int32_t view, Colorref colour) : TObj(kind, view, 0, 0, colour, 1, 0) {}

namespace {
template <class T> std::unique_ptr<TObj> Make(std::int32_t kind, Colorref colour) {
    auto obj = std::make_unique<T>();
    obj->Kind = kind;
    obj->Colour = colour;
    return obj;
}
} // namespace

std::unique_ptr<TObj> MakeObjectOfKind(std::int32_t kind, Colorref colour) {
    auto cls = ClassOfKind(kind);
    if (!cls) return nullptr;
    switch (*cls) {
    case ObjClass::Base: return Make<TObj>(kind, colour);
    case ObjClass::Line: return Make<TLineobj>(kind, colour);
    case ObjClass::Arc: return Make<TArcobj>(kind, colour);
    case ObjClass::Text: return Make<TTextobj>(kind, colour);
    case ObjClass::Ellipse: return Make<TEllipseobj>(kind, colour);
    case ObjClass::Circle: return Make<TCircleobj>(kind, colour);
    case ObjClass::Rndrect: return Make<TRndrectobj>(kind, colour);
    case ObjClass::Extwall: return Make<TExtwallobj>(kind, colour);
    case ObjClass::Inwall: return Make<TInwallobj>(kind, colour);
    case ObjClass::Arrow: return Make<TArrowobj>(kind, colour);
    case ObjClass::Dimens: return Make<TDimensobj>(kind, colour);
    case ObjClass::Room: return Make<TRoomobj>(kind, colour);
    case ObjClass::Window: return Make<TWindowobj>(kind, colour);
    case ObjClass::Door: return Make<TDoorobj>(kind, colour);
    case ObjClass::Poly: return Make<TPolyobj>(kind, colour);
    case ObjClass::Info: return Make<TInfoobj>(kind, colour);
    }
    return nullptr;
}

} // namespace velmora
