#include "building/internal_wall_faces.h"

namespace velmora {

std::vector<FaceLine> AttachFaces(const TObj& o, bool withOuterLine) {
    std::vector<FaceLine> faces;
    if (o.Kind == 100 && dynamic_cast<const TExtwallobj*>(&o)) {
        const auto& w = dynamic_cast<const TExtwallobj&>(o);
        if (withOuterLine) faces.push_back({{w.X1, w.Y1}, {w.X2, w.Y2}});
        if (w.Cavity < 1)
            faces.push_back({{w.Face1X1, w.Face1Y1}, {w.Face1X2, w.Face1Y2}});
        else
            faces.push_back({{w.Face3X1, w.Face3Y1}, {w.Face3X2, w.Face3Y2}});
    } else if (o.Kind == 150 && dynamic_cast<const TInwallobj*>(&o)) {
        const auto& w = dynamic_cast<const TInwallobj&>(o);
        faces.push_back({{w.X1, w.Y1}, {w.X2, w.Y2}});
        faces.push_back({{w.SecondX1, w.SecondY1}, {w.SecondX2, w.SecondY2}});
    }
    return faces;
}

int WallBearing(const TObj& o) {
    if (auto* w = dynamic_cast<const TExtwallobj*>(&o); w && o.Kind == 100) return w->Angle;
    if (auto* w = dynamic_cast<const TInwallobj*>(&o); w && o.Kind == 150) return w->Angle;
    return -1;
}

} // namespace velmora
