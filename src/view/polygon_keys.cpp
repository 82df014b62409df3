// The polygon tool's keys in the drawing window: every corner shows how far the outline has come from its
// first corner; a stored polygon is repainted in its box and the pick tool follows.
#include "view/drawing_window.h"

#include "tools/polygon_tool.h"
#include "tools/tool_install.h"

namespace velmora {

void TMDIChild::PolygonKey(Canvas& dc, const KeyEvent& key, Point cursor, int amount) {
    Point p = cursor;
    Tool()->MadeIndex = -1;
    Tool()->KeyStep(dc, U.ClientSize(), key, p, amount);
    AfterPolygonKey();
}

void TMDIChild::AfterPolygonKey() {
    const auto* poly = dynamic_cast<const TPolyobjtool*>(Tool());
    if (!poly) return;
    if (poly->Stored) {
        InvalidateChange(ChangeBoxOnly);
        ReturnToPickTool(S, U);
        U.SetPanel(0, "GUIDE; Pick Tool");
        return;
    }
    if (!poly->Refused && poly->CornerCount > 0) U.SetPanel(0, poly->GuideText());
}

} // namespace velmora
