#include "app/app_state.h"

#include "app/settings_files.h"
#include "tools/drawing_tool.h"

namespace velmora {

AppState::AppState() : DefaultFontName(FallbackFontName) {}
AppState::~AppState() = default;

DrawingHeader AppState::Header() const {
    return {DesignRoomCount, MarkCount, MetricFlag, NextElementNo};
}

void AppState::TakeHeader(const DrawingHeader& h) {
    DesignRoomCount = h.DesignRoomCount;
    MarkCount = h.MarkCount;
    MetricFlag = h.MetricFlag;
    NextElementNo = h.NextElementNo;
}

bool AppState::MoveSheet(int width, int height) {
    const CoordShift to = CoordShift::ForSheet(width, height, UnitsPerLogical);
    if (!MoveToShift(DrawingObjects, Shift(), to)) return false;
    SheetWidth = width;
    SheetHeight = height;
    return true;
}

void AppState::ResetViewFrame() {
    ZoomState = 2;
    DefaultZoom = 1;
    ViewExtX = 624;
    ViewExtY = 346;
    ViewOrgX = 0;
    ViewOrgY = 0;
}

void AppState::SetUnitsFromMetricFlag() {
    UnitsPerLogical = MetricFlag == 1 ? 5 : 6;
    DefaultZoom = MetricFlag == 1 ? 5 : 4;
}

} // namespace velmora
