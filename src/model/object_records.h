// The drawing file record of every object class, field by field, written once and used by both the reader
// and the writer so the two can never disagree. A visitor V receives:
//   Kind(f)       the kind code repeated at the head of the record
//   N(f)          a plain number
//   X(f), Y(f)    a coordinate stored relative to the sheet centre
//   Len(s, max)   the length of a string that follows at the end of the record line
//   Str(s)        a string, written directly after the numbers' separator or the previous string
//   EndLine()     the end of one line of the record
#pragma once

#include "model/drawing_objects.h"

#include <type_traits>

namespace velmora {

struct RecordAccess {
    template <class O> static auto& Text(O& o) { return o.Text_; }
    template <class O> static auto& FontName(O& o) { return o.FontName_; }
    template <class O> static auto& RoomName(O& o) { return o.RoomName_; }
    template <class O> static auto& WidthText(O& o) { return o.WidthText_; }
    template <class O> static auto& LengthText(O& o) { return o.LengthText_; }
    template <class O> static auto& Label(O& o) { return o.Label_; }
};

namespace records {

template <class O, class V> void Line(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.N(o.Z1), v.X(o.X2), v.N(o.Z2);
    v.Y(o.Y1), v.Y(o.Y2), v.N(o.LineAttrB), v.N(o.LineAttrA), v.N(o.Colour), v.N(o.PenWidth), v.N(o.PenStyle);
    v.EndLine();
}

template <class O, class V> void Arc(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.N(o.Z1), v.Y(o.Y1), v.X(o.X2);
    v.N(o.Z2), v.Y(o.Y2), v.X(o.StartX), v.Y(o.StartY), v.X(o.EndX), v.Y(o.EndY), v.N(o.Colour);
    v.N(o.PenWidth), v.N(o.PenStyle);
    v.EndLine();
}

template <class O, class V> void Ellipse(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.N(o.Z1), v.X(o.X2), v.N(o.Z2);
    v.Y(o.Y1), v.Y(o.Y2), v.N(o.FillColour), v.N(o.Colour), v.N(o.PenWidth), v.N(o.PenStyle);
    v.EndLine();
}

template <class O, class V> void Rndrect(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.N(o.Z1), v.X(o.X2), v.N(o.Z2);
    v.Y(o.Y1), v.Y(o.Y2), v.N(o.CornerSize), v.N(o.FillColour), v.N(o.Colour), v.N(o.PenWidth);
    v.N(o.PenStyle);
    v.EndLine();
}

template <class O, class V> void Text(O& o, V& v) {
    auto& text = RecordAccess::Text(o);
    auto& font = RecordAccess::FontName(o);
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.Y(o.Y1), v.N(o.X2), v.N(o.Y2);
    v.N(o.Z1), v.N(o.Colour), v.Len(text, TTextobj::MaxText), v.N(o.Angle), v.N(o.Align);
    v.Len(font, TTextobj::MaxFontName), v.N(o.Height), v.N(o.Weight);
    v.Str(font), v.Str(text);
    v.EndLine();
}

template <class O, class V> void Extwall(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.N(o.WallFlag), v.X(o.X1), v.N(o.Z1);
    v.Y(o.Y1), v.X(o.X2), v.N(o.Z2), v.Y(o.Y2), v.X(o.Face1X1), v.Y(o.Face1Y1), v.X(o.Face1X2);
    v.Y(o.Face1Y2), v.X(o.Face2X1), v.Y(o.Face2Y1), v.X(o.Face2X2), v.Y(o.Face2Y2);
    v.EndLine();
    v.X(o.Face3X1), v.Y(o.Face3Y1), v.X(o.Face3X2), v.Y(o.Face3Y2), v.X(o.CopyX2), v.N(o.CopyZ1);
    v.Y(o.CopyY2), v.N(o.Leaf1), v.N(o.Cavity), v.N(o.Leaf2), v.N(o.WallParamA), v.N(o.WallParamB);
    v.N(o.WallParamC), v.N(o.WallParamD), v.N(o.Angle);
    v.EndLine();
    v.N(o.Spare1), v.N(o.Spare2), v.N(o.Spare3), v.N(o.Colour);
    v.EndLine();
    for (auto& code : o.WallCodes) v.N(code), v.EndLine();
}

template <class O, class V> void Inwall(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.N(o.InWallFlag), v.X(o.X1), v.N(o.Z1);
    v.Y(o.Y1), v.X(o.X2), v.N(o.Z2), v.Y(o.Y2), v.X(o.SecondX1), v.N(o.SecondZ), v.Y(o.SecondY1);
    v.X(o.SecondX2), v.Y(o.SecondY2), v.X(o.EndPointX), v.N(o.EndPointZ), v.Y(o.EndPointY);
    v.N(o.Thickness), v.N(o.InParamA), v.N(o.InParamB), v.N(o.InParamC), v.N(o.InParamD);
    v.N(o.StartJoinBearing), v.N(o.EndJoinBearing), v.N(o.Angle), v.N(o.InParamE), v.N(o.InParamF);
    v.N(o.Colour);
    v.EndLine();
    for (auto& code : o.InWallCodes) v.N(code), v.EndLine();
}

template <class O, class V> void Arrow(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.Y(o.Y1), v.X(o.X2), v.Y(o.Y2);
    v.X(o.HeadAX), v.Y(o.HeadAY), v.X(o.HeadBX), v.Y(o.HeadBY), v.X(o.TailAX), v.Y(o.TailAY);
    v.X(o.TailBX), v.Y(o.TailBY), v.N(o.Colour);
    v.EndLine();
}

template <class O, class V> void Dimens(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.Y(o.Y1), v.X(o.X2), v.Y(o.Y2);
    v.X(o.X3), v.Y(o.Y3), v.X(o.X4), v.Y(o.Y4), v.N(o.Orientation), v.N(o.TickStyle), v.N(o.Colour);
    v.EndLine();
}

template <class O, class V> void Room(O& o, V& v) {
    auto& name = RecordAccess::RoomName(o);
    auto& width = RecordAccess::WidthText(o);
    auto& length = RecordAccess::LengthText(o);
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.X1), v.Y(o.Y1), v.X(o.X2), v.Y(o.Y2);
    v.N(o.RoomWidth), v.N(o.RoomLength), v.N(o.DimensionStyle), v.N(o.RoomFill), v.N(o.TextSize);
    v.Len(name, TRoomobj::MaxName), v.Len(width, TRoomobj::MaxWidthText);
    v.Len(length, TRoomobj::MaxLengthText);
    v.Str(name), v.Str(width), v.Str(length);
    v.EndLine();
}

template <class O, class V> void Window(O& o, V& v) {
    auto& label = RecordAccess::Label(o);
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.InsertX), v.Y(o.InsertY);
    v.N(o.InsertZ), v.N(o.WinParam5), v.N(o.WinParam1), v.N(o.WinParam2), v.N(o.WinParam3);
    v.N(o.WinParam6), v.N(o.WinParam7), v.N(o.WinParam4), v.N(o.WinParam8), v.N(o.WinParam9);
    v.N(o.WinParam10), v.N(o.Colour), v.N(o.WinParam11), v.N(o.WinParam12), v.N(o.WinParam13);
    v.N(o.WinParam14), v.Len(label, TWindowobj::MaxLabel);
    v.Str(label);
    v.EndLine();
}

template <class O, class V> void Door(O& o, V& v) {
    auto& label = RecordAccess::Label(o);
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.X(o.InsertX), v.Y(o.InsertY);
    v.N(o.InsertZ), v.N(o.DoorParam7), v.N(o.DoorParam1), v.N(o.DoorParam2), v.N(o.DoorParam3);
    v.N(o.DoorParam4), v.N(o.DoorParam5), v.N(o.DoorParam8), v.N(o.DoorParam9), v.N(o.DoorParam10);
    v.N(o.DoorParam11), v.N(o.DoorParam6), v.N(o.DoorParam12), v.N(o.DoorParam13), v.N(o.DoorParam14);
    v.N(o.DoorParam15), v.N(o.Colour), v.N(o.DoorParam16), v.N(o.DoorParam17), v.N(o.DoorParam18);
    v.N(o.DoorParam19), v.N(o.DoorParam20), v.N(o.DoorParam21), v.Len(label, TDoorobj::MaxLabel);
    v.Str(label);
    v.EndLine();
}

template <class O, class V> void Poly(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.N(o.PolyParam6), v.N(o.PolyParam7);
    v.N(o.PolyParam2), v.N(o.PolyParam3), v.VertexCount(o.VertexCount), v.N(o.PolyParam1), v.N(o.PolyParam4);
    v.N(o.PolyParam5), v.N(o.FillColour), v.N(o.PolyParam8), v.N(o.Colour), v.X(o.PolyRefX), v.N(o.PolyRefZ);
    v.Y(o.PolyRefY);
    v.EndLine();
    for (int i = 0; i < o.VertexCount; ++i) v.X(o.Xs[i]), v.N(o.Zs[i]), v.Y(o.Ys[i]), v.EndLine();
    for (auto& edge : o.MarkedEdges) v.N(edge), v.EndLine();
}

template <class O, class V> void Info(O& o, V& v) {
    v.Kind(o.Kind), v.N(o.View), v.N(o.Highlight), v.N(o.Aux), v.N(o.InfoA), v.N(o.InfoB), v.N(o.InfoC);
    v.N(o.InfoD), v.X(o.X1), v.N(o.Z1), v.Y(o.Y1), v.X(o.X2), v.N(o.Z2), v.Y(o.Y2), v.N(o.FloorArea);
    v.N(o.Colour), v.N(o.PenWidth), v.N(o.PenStyle);
    v.EndLine();
}

// Keeps the const-ness of the object when casting to its class.
template <class T, class O> using Like = std::conditional_t<std::is_const_v<O>, const T, T>;

} // namespace records

// Visits the record of an object by its class. Returns false for the bare base class, which has no record.
template <class O, class V> bool VisitRecord(O& obj, V& v) {
    using namespace records;
    switch (obj.Class()) {
    case ObjClass::Line: Line(static_cast<Like<TLineobj, O>&>(obj), v); return true;
    case ObjClass::Arc: Arc(static_cast<Like<TArcobj, O>&>(obj), v); return true;
    case ObjClass::Text: Text(static_cast<Like<TTextobj, O>&>(obj), v); return true;
    case ObjClass::Ellipse: Ellipse(static_cast<Like<TEllipseobj, O>&>(obj), v); return true;
    case ObjClass::Circle: Ellipse(static_cast<Like<TCircleobj, O>&>(obj), v); return true;
    case ObjClass::Rndrect: Rndrect(static_cast<Like<TRndrectobj, O>&>(obj), v); return true;
    case ObjClass::Extwall: Extwall(static_cast<Like<TExtwallobj, O>&>(obj), v); return true;
    case ObjClass::Inwall: Inwall(static_cast<Like<TInwallobj, O>&>(obj), v); return true;
    case ObjClass::Arrow: Arrow(static_cast<Like<TArrowobj, O>&>(obj), v); return true;
    case ObjClass::Dimens: Dimens(static_cast<Like<TDimensobj, O>&>(obj), v); return true;
    case ObjClass::Room: Room(static_cast<Like<TRoomobj, O>&>(obj), v); return true;
    case ObjClass::Window: Window(static_cast<Like<TWindowobj, O>&>(obj), v); return true;
    case ObjClass::Door: Door(static_cast<Like<TDoorobj, O>&>(obj), v); return true;
    case ObjClass::Poly: Poly(static_cast<Like<TPolyobj, O>&>(obj), v); return true;
    case ObjClass::Info: Info(static_cast<Like<TInfoobj, O>&>(obj), v); return true;
    case ObjClass::Base: return false;
    }
    return false;
}

} // namespace velmora
