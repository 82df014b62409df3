// The drawing objects: a base record TObj and its fifteen classes. The kind code of an object decides its
// class (ClassOfKind) and how it is drawn; the view code decides which view shows it. All fields are signed
// 32-bit, as the drawing file stores them. Strings are bounded by the fields they came from; their lengths
// are always the lengths actually stored.
#pragma once

#include "platform/canvas.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct PaintContext;

// The class a kind code belongs to; the drawing file and the list rely on this one mapping.
enum class ObjClass : int {
    Base,
    Line,
    Arc,
    Text,
    Ellipse,
    Circle,
    Rndrect,
    Extwall,
    Inwall,
    Arrow,
    Dimens,
    Room,
    Window,
    Door,
    Poly,
    Info
};

// The class of a kind code, or nothing for a kind no class holds.
std::optional<ObjClass> ClassOfKind(std::int32_t kind);

bool IsTextKind(std::int32_t kind);
bool IsWallKind(std::int32_t kind); // 100 or 150: the walls that make a floor exist

// Cuts a string to at most maxLen bytes (never inside a UTF-8 sequence) and drops control characters,
// which a one-line record cannot hold.
std::string BoundedString(std::string_view s, std::size_t maxLen);

class TObj {
public:
    std::int32_t View = 0;
    std::int32_t Kind = 1;
    std::int32_t PenWidth = 1;
    std::int32_t PenStyle = 0;
    // The stored element number (walls, rooms, openings, symbols). Painting never writes it: the highlight
    // of a paint is an argument of the paint.
    std::int32_t Highlight = 0;
    std::int32_t Aux = 0;
    std::int32_t X1 = 0;
    std::int32_t Z1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Z2 = 0;
    std::int32_t Y1 = 0;
    std::int32_t Y2 = 0;
    Colorref FillColour = 0;
    Colorref Colour = 0;

    TObj() = default;
    explicit TObj(Colorref colour) : Colour(colour) {}
    virtual ~TObj() = default;

    virtual ObjClass Class() const { return ObjClass::Base; }
    virtual std::unique_ptr<TObj> Clone() const { return std::make_unique<TObj>(*this); }

    // Slot 0: the geometry, with the pen the caller selected.
    virtual void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const;
    // Slot 1: walls only, the solid wall picture.
    virtual void DrawSolidMode(Canvas& dc, const PaintContext& pc) const;
    // Slot 2: walls only, the hatched wall picture; chooses its own pens.
    virtual void DrawHatchedMode(Canvas& dc, const PaintContext& pc, int highlight) const;
    // Slot 3: the common entry for the screen. Never changes the object.
    void Paint(Canvas& dc, const PaintContext& pc, int highlight) const;
    // Slot 4: as Paint, after mapping the view onto a target rectangle (pictures and printing).
    void PaintScaled(Canvas& dc, const PaintContext& pc, const Rect& target, int highlight) const;

protected:
    TObj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux, Colorref colour,
         std::int32_t penWidth, std::int32_t penStyle)
        : View(view), Kind(kind), PenWidth(penWidth), PenStyle(penStyle), Highlight(highlight), Aux(aux),
          Colour(colour) {}
};

// Kinds 1 (plain line), 11 (construction line), 41-99 (styled lines).
class TLineobj : public TObj {
public:
    std::int32_t LineAttrA = 0;
    std::int32_t LineAttrB = 0;

    TLineobj() = default;
    explicit TLineobj(Colorref colour) : TObj(colour) {}
    TLineobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux, std::int32_t x1,
             std::int32_t y1, std::int32_t x2, std::int32_t y2, Colorref colour, std::int32_t penWidth = 1,
             std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Line; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TLineobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kind 3: the part of the ellipse in the box running counter-clockwise from the start ray to the end ray.
class TArcobj : public TObj {
public:
    std::int32_t StartX = 0, StartY = 0, EndX = 0, EndY = 0;

    TArcobj() { Kind = 3; }
    TArcobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
            std::int32_t startX, std::int32_t startY, std::int32_t endX, std::int32_t endY, Colorref colour,
            std::int32_t penWidth = 1, std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Arc; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TArcobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 4, 24, 34-37.
class TTextobj : public TObj {
public:
    static constexpr std::size_t MaxText = 79;
    static constexpr std::size_t MaxFontName = 31;

    std::int32_t Angle = 0;  // escapement, tenths of a degree
    std::int32_t Align = 1;  // 1-6
    std::int32_t Weight = 400;
    std::int32_t Height = 10; // logical units before the zoom default

    TTextobj() { Kind = 4; }
    TTextobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux, std::int32_t x,
             std::int32_t y, std::string_view text, std::string_view fontName, std::int32_t height,
             std::int32_t angle, std::int32_t align, std::int32_t weight, Colorref colour);
    ObjClass Class() const override { return ObjClass::Text; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TTextobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;

    const std::string& Text() const { return Text_; }
    const std::string& FontName() const { return FontName_; }
    std::int32_t TextLen() const { return static_cast<std::int32_t>(Text_.size()); }
    std::int32_t FontNameLen() const { return static_cast<std::int32_t>(FontName_.size()); }
    // Both cut to the field's size; they return false when the string had to be cut or cleaned.
    bool SetText(std::string_view s);
    bool SetFontName(std::string_view s);

private:
    friend struct RecordAccess;
    std::string Text_;
    std::string FontName_;
};

// Kind 5: a filled ellipse in the box.
class TEllipseobj : public TObj {
public:
    TEllipseobj() = default;
    TEllipseobj(std::int32_t kind, std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                std::int32_t y2, Colorref fill, Colorref colour, std::int32_t penWidth = 1,
                std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Ellipse; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TEllipseobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kind 6: a filled circle in the box.
class TCircleobj : public TObj {
public:
    TCircleobj() { Kind = 6; }
    TCircleobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               Colorref fill, Colorref colour, std::int32_t penWidth = 1, std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Circle; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TCircleobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kind 8: a box with rounded corners.
class TRndrectobj : public TObj {
public:
    std::int32_t CornerSize = 0;

    TRndrectobj() { Kind = 8; }
    TRndrectobj(std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t cornerSize, Colorref fill, Colorref colour, std::int32_t penWidth = 1,
                std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Rndrect; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TRndrectobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 100 and 110: one segment of external wall. The first line is the line the user drew.
class TExtwallobj : public TObj {
public:
    std::int32_t Leaf1 = 0, Cavity = 0, Leaf2 = 0;
    std::int32_t WallParamA = 0, WallParamB = 0;
    std::int32_t WallFlag = 0;
    std::int32_t WallParamC = 0, WallParamD = 0;
    std::int32_t Angle = 0;
    std::int32_t Face1X1 = 0, Face1Y1 = 0, Face1X2 = 0, Face1Y2 = 0;
    std::int32_t Face2X1 = 0, Face2Y1 = 0, Face2X2 = 0, Face2Y2 = 0;
    std::int32_t Face3X1 = 0, Face3Y1 = 0, Face3X2 = 0, Face3Y2 = 0;
    std::int32_t CopyX2 = 0, CopyZ1 = 0, CopyY2 = 0;
    std::int32_t Spare1 = 0, Spare2 = 0, Spare3 = 0;
    std::array<std::int32_t, 4> WallCodes{};

    TExtwallobj() { Kind = 100; }
    ObjClass Class() const override { return ObjClass::Extwall; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TExtwallobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
    void DrawSolidMode(Canvas& dc, const PaintContext& pc) const override;
    void DrawHatchedMode(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 150-155: one segment of internal wall; 154 and 155 are the stop ends across a free start or end.
class TInwallobj : public TObj {
public:
    std::int32_t Thickness = 0;
    std::int32_t InParamA = 0, InParamB = 0;
    std::int32_t InWallFlag = 0;
    std::int32_t InParamC = 0, InParamD = 0;
    std::int32_t StartJoinBearing = -1, EndJoinBearing = -1;
    std::int32_t Angle = 0;
    std::int32_t SecondX1 = 0, SecondZ = 0, SecondY1 = 0, SecondX2 = 0, SecondY2 = 0;
    std::int32_t EndPointX = 0, EndPointZ = 0, EndPointY = 0;
    std::array<std::int32_t, 4> InWallCodes{};
    std::int32_t InParamE = 0, InParamF = 0;

    TInwallobj() { Kind = 150; }
    ObjClass Class() const override { return ObjClass::Inwall; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TInwallobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
    void DrawSolidMode(Canvas& dc, const PaintContext& pc) const override;
    void DrawHatchedMode(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 250 and 260: three strokes from the tip and a fourth stroke of its own.
class TArrowobj : public TObj {
public:
    std::int32_t HeadAX = 0, HeadAY = 0, HeadBX = 0, HeadBY = 0;
    std::int32_t TailAX = 0, TailAY = 0, TailBX = 0, TailBY = 0;

    TArrowobj() { Kind = 250; }
    ObjClass Class() const override { return ObjClass::Arrow; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TArrowobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 251 and 261: a dimension line pair with end ticks.
class TDimensobj : public TObj {
public:
    std::int32_t TickStyle = 1;
    std::int32_t X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    std::int32_t Orientation = 0;

    TDimensobj() { Kind = 251; }
    TDimensobj(std::int32_t kind, std::int32_t view, std::int32_t x1, std::int32_t y1, std::int32_t x2,
               std::int32_t y2, std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4,
               std::int32_t orientation, Colorref colour);
    ObjClass Class() const override { return ObjClass::Dimens; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TDimensobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
};

// Kinds 29000, 29001 (design rooms on the layout view) and 29500 (a design room carried onto the plan).
class TRoomobj : public TObj {
public:
    static constexpr std::size_t MaxName = 20;
    static constexpr std::size_t MaxWidthText = 16;
    static constexpr std::size_t MaxLengthText = 17;

    std::int32_t DimensionStyle = 0;
    std::int32_t TextSize = 0;
    std::int32_t RoomWidth = 0, RoomLength = 0;
    Colorref RoomFill = 0;

    TRoomobj() { Kind = 29000; }
    ObjClass Class() const override { return ObjClass::Room; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TRoomobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;

    const std::string& RoomName() const { return RoomName_; }
    const std::string& WidthText() const { return WidthText_; }
    const std::string& LengthText() const { return LengthText_; }
    std::int32_t NameLen() const { return static_cast<std::int32_t>(RoomName_.size()); }
    std::int32_t WidthTextLen() const { return static_cast<std::int32_t>(WidthText_.size()); }
    std::int32_t LengthTextLen() const { return static_cast<std::int32_t>(LengthText_.size()); }
    bool SetRoomName(std::string_view s);
    bool SetWidthText(std::string_view s);
    bool SetLengthText(std::string_view s);

private:
    friend struct RecordAccess;
    std::string RoomName_, WidthText_, LengthText_;
};

// Kinds 31501 and 31502: stored and read back; no tool makes them and they paint nothing.
class TWindowobj : public TObj {
public:
    static constexpr std::size_t MaxLabel = 31;

    std::int32_t WinParam1 = 0, WinParam2 = 0, WinParam3 = 0, WinParam4 = 0, WinParam5 = 0, WinParam6 = 0,
                 WinParam7 = 0, WinParam8 = 0, WinParam9 = 0, WinParam10 = 0;
    std::int32_t InsertX = 0, InsertY = 0, InsertZ = 0;
    std::int32_t WinParam11 = 0, WinParam12 = 0, WinParam13 = 0, WinParam14 = 0;

    TWindowobj() { Kind = 31501; }
    ObjClass Class() const override { return ObjClass::Window; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TWindowobj>(*this); }

    const std::string& Label() const { return Label_; }
    std::int32_t LabelLen() const { return static_cast<std::int32_t>(Label_.size()); }
    bool SetLabel(std::string_view s);

private:
    friend struct RecordAccess;
    std::string Label_;
};

// Kinds 31601 and 31602: stored and read back; no tool makes them and they paint nothing.
class TDoorobj : public TObj {
public:
    static constexpr std::size_t MaxLabel = 31;

    std::int32_t DoorParam1 = 0, DoorParam2 = 0, DoorParam3 = 0, DoorParam4 = 0, DoorParam5 = 0,
                 DoorParam6 = 0, DoorParam7 = 0, DoorParam8 = 0, DoorParam9 = 0, DoorParam10 = 1,
                 DoorParam11 = 0, DoorParam12 = 0, DoorParam13 = 0, DoorParam14 = 0, DoorParam15 = 0;
    std::int32_t InsertX = 0, InsertY = 0, InsertZ = 0;
    std::int32_t DoorParam16 = 0, DoorParam17 = 0, DoorParam18 = 0, DoorParam19 = 0, DoorParam20 = 0,
                 DoorParam21 = 0;

    TDoorobj() { Kind = 31601; }
    ObjClass Class() const override { return ObjClass::Door; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TDoorobj>(*this); }

    const std::string& Label() const { return Label_; }
    std::int32_t LabelLen() const { return static_cast<std::int32_t>(Label_.size()); }
    bool SetLabel(std::string_view s);

private:
    friend struct RecordAccess;
    std::string Label_;
};

// Kinds 1000-24999: a closed outline of up to 19 corners (fixtures, symbols, polygons, masks).
class TPolyobj : public TObj {
public:
    static constexpr int MaxVertices = 19;

    std::array<std::int32_t, MaxVertices> Xs{};
    std::array<std::int32_t, MaxVertices> Ys{};
    std::array<std::int32_t, MaxVertices> Zs{};
    std::int32_t PolyRefX = 0, PolyRefZ = 0, PolyRefY = 0;
    std::array<std::int32_t, 4> MarkedEdges{100, 100, 100, 100};
    std::int32_t VertexCount = 0;
    std::int32_t PolyParam1 = 0, PolyParam2 = 0, PolyParam3 = 0, PolyParam4 = 0, PolyParam5 = 0,
                 PolyParam6 = 0, PolyParam7 = 0, PolyParam8 = 0;

    TPolyobj() { Kind = 6720; }
    TPolyobj(std::int32_t kind, std::int32_t view, std::int32_t highlight, std::int32_t aux,
             const std::vector<Point>& vertices, Colorref fill, Colorref colour, std::int32_t penWidth = 1,
             std::int32_t penStyle = 0);
    ObjClass Class() const override { return ObjClass::Poly; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TPolyobj>(*this); }
    void DrawShape(Canvas& dc, const PaintContext& pc, int highlight) const override;
    // Sets the outline; more than MaxVertices corners are refused.
    bool SetVertices(const std::vector<Point>& vertices);
};

// Kinds 32000-32005: one per floor view, holding that floor's area.
class TInfoobj : public TObj {
public:
    std::int32_t FloorArea = 0;
    std::int32_t InfoA = 0, InfoB = 0, InfoC = 0, InfoD = 0;

    TInfoobj() { Kind = 32000; }
    TInfoobj(std::int32_t kind, std::int32_t view, Colorref colour);
    ObjClass Class() const override { return ObjClass::Info; }
    std::unique_ptr<TObj> Clone() const override { return std::make_unique<TInfoobj>(*this); }
};

// A new object of the class of a kind, with the class defaults, the kind set and the given colour; nothing
// for a kind no class holds.
std::unique_ptr<TObj> MakeObjectOfKind(std::int32_t kind, Colorref colour = 0);

} // namespace velmora
