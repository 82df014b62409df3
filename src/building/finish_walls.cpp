#include "building/finish_walls.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "building/external_wall_tool.h"
#include "building/finish_marks.h"
#include "building/wall_types.h"
#include "model/drawing_objects.h"

namespace velmora {

int PartitionThickness(const AppState& s, int view) {
    const bool metric = s.MetricFlag == 1;
    const auto v = ReadSettingsInts(s.HomePath, metric ? "RMPTNM.CFG" : "RMPTNI.CFG", 6);
    const int index = view >= ViewGround && view <= ViewNone ? view - ViewGround : 0;
    if (!v || (*v)[static_cast<std::size_t>(index)] <= 0) return metric ? 100 : 96;
    return (*v)[static_cast<std::size_t>(index)];
}

int MakeWallsFromMarks(AppState& s, Ui& ui, TExtwallobjtool& tool) {
    std::vector<CornerMark> marks = CornerMarksOf(s.DrawingObjects, ViewLayoutMarking);
    const int m = static_cast<int>(s.ZoomFactor * (s.MetricFlag == 1 ? 5 : 6));
    TrueMarks(marks, LayoutRoomsOf(s.DrawingObjects, ViewLayout), m, PartitionThickness(s, ViewLayout));
    const WallType type = ReadExtWallSettings(s.HomePath, s.MetricFlag).Type;
    const int t = type.Leaf1 + type.Cavity + type.Leaf2;
    s.CurrentView = ViewGround;
    tool.Mode = ModeExtWall;
    int made = 0;
    for (const CornerMark& line : OuterLines(marks, t)) {
        if (line.Start.X == 0 || line.Start.Y == 0 || line.Start == line.End) continue;
        tool.X1 = line.Start.X, tool.Y1 = line.Start.Y, tool.X2 = line.End.X, tool.Y2 = line.End.Y;
        tool.Angle = line.Bearing;
        // Clockwise marks put the house on the right: the inner lines of a wall that meets no other yet
        // (the first) face in, as those of its neighbours do.
        tool.SetInnerSide(InnerSideOf(line.Bearing));
        if (tool.MakeWall() >= 0) ++made;
    }
    s.DrawingObjects.RemoveFrom(FloorRecordCount,
                                [](const TObj& o) { return o.View == ViewLayoutMarking && o.Kind == 11; });
    WriteDrawing(s, ui, ModeWorking);
    return made;
}

} // namespace velmora
