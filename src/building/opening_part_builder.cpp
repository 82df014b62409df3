#include "building/opening_part_builder.h"

#include "building/opening_settings.h"

namespace velmora {

void OpeningParts::Line(int kind, double u1, double v1, double u2, double v2, int penWidth) {
    const Point a = Hit.Frame.ToWorld(u1, v1), b = Hit.Frame.ToWorld(u2, v2);
    Out.push_back(std::make_unique<TLineobj>(kind, Style.View, Hit.Element, Number, a.X, a.Y, b.X, b.Y,
                                             Style.Pen, penWidth));
}

void OpeningParts::Leaf(int hingeU, int e, bool closesTowardsPlus, bool inward) {
    const LeafReach r = LeafAt(e, Style.SwingAngle);
    const int dir = closesTowardsPlus ? 1 : -1;
    const int face = inward ? Hit.Thickness : 0;
    const int open = inward ? face + r.Across : face - r.Across;
    Line(11, hingeU, face, hingeU + dir * r.Along, open, Style.LineThickness);
    if (!Hit.Frame.Axis()) return;
    const OpeningFrame& f = Hit.Frame;
    const Point hinge = f.ToWorld(hingeU, face);
    const Point closed = f.ToWorld(hingeU + dir * e, face);
    const Point end = f.ToWorld(hingeU + dir * r.Along, open);
    // The arc runs counter-clockwise from its start ray to its end ray.
    const bool fromClosed = closesTowardsPlus == inward;
    const Point from = fromClosed ? closed : end, to = fromClosed ? end : closed;
    Out.push_back(std::make_unique<TArcobj>(Style.View, hinge.X - e, hinge.Y + e, hinge.X + e, hinge.Y - e,
                                            from.X, from.Y, to.X, to.Y, Style.Pen, 1));
    Out.back()->Highlight = Hit.Element;
    Out.back()->Aux = Number;
}

} // namespace velmora
