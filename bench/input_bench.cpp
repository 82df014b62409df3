// The drawing window's input at drawing sizes users reach: a mouse move with a live rubber band, the hit
// test of an edit click, a window set into a wall, and one keyboard segment end to end (its undo snapshot,
// the commit, the save of the whole drawing and the repaint of the changed box), on a generated ground floor
// of 10,000 and 100,000 objects, through the window's own handlers on the backing image the window and
// headless runs draw on.
//
//   build/bench/velmora_input_bench
//   build/bench/velmora_input_bench --benchmark_filter=/100000 --benchmark_repetitions=5
//
// The view is normal zoom (25 mm a pixel) on a 1920 x 1080 window. The benchmark sets
// QT_QPA_PLATFORM=offscreen itself unless the environment names a platform. SegmentSnapshot and SegmentSave
// time the two whole-drawing writes of a keyboard segment on their own. DesignRoomDragDrop and
// FinishTwentyRooms time a design room dropped with the mouse and FINISH Design Rooms of 20 rooms.
#include "drawing_generator.h"

#include "app/app_state.h"
#include "app/drawing_store.h"
#include "app/program.h"
#include "app/undo_store.h"
#include "building/design_room_commands.h"
#include "building/finish_commands.h"
#include "building/opening_commands.h"
#include "building/opening_parts.h"
#include "building/opening_tool.h"
#include "building/opening_wall_hit.h"
#include "model/drawing_objects.h"
#include "platform/scripted_ui.h"
#include "qt/backing_image.h"
#include "tools/drawing_tool.h"
#include "tools/line_commands.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace velmora::bench {
namespace {

constexpr int ClientWidth = 1920, ClientHeight = 1080;
constexpr int SheetW = 9600, SheetH = 5400;

class Scene {
public:
    explicit Scene(int objects)
        : Home(std::filesystem::temp_directory_path() /
               ("velmora-input-bench-" + std::to_string(::getpid()) + "-" + std::to_string(objects))),
          Ui(Transcript), Picture({ClientWidth, ClientHeight}) {
        for (const char* dir : {"CFG", "DWGS", "ACT"})
            std::filesystem::create_directories(Home / dir);
        S.HomePath = Home;
        S.DrawingName = "BENCH";
        S.MetricFlag = 1;
        S.SetUnitsFromMetricFlag();
        S.SheetWidth = SheetW;
        S.SheetHeight = SheetH;
        S.CurrentView = ViewGround;
        S.ZoomState = 2;
        Ui.SetClientSize({ClientWidth, ClientHeight});
        Ui.SetWindowCanvas(Picture.GetCanvas());
        Ui.SetPaintHandler([this](const Rect& area) {
            Picture.Repaint(area, [this](Canvas& c, const Rect& clip) { Window->OnPaint(c, clip); });
        });
        Ui.OpenDrawingWindow("-");
        Window = std::make_unique<TMDIChild>(S, Ui);
        GeneratedDrawing d = GenerateDrawing(objects);
        for (const auto& obj : d.Objects)
            if (obj->Kind < 32000 || obj->Kind > 32005) obj->View = ViewGround;
        S.DrawingObjects = std::move(d.Objects);
        S.TakeHeader(d.Header);
        S.DrawingReady = 2;
        SaveDrawing(S, ModeWorking);
        Window->SetupView(1);
        Ui.Idle();
    }
    ~Scene() {
        Window.reset();
        std::error_code ec;
        std::filesystem::remove_all(Home, ec);
    }

    std::filesystem::path Home;
    AppState S;
    std::ostringstream Transcript;
    ScriptedUi Ui;
    BackingImage Picture;
    std::unique_ptr<TMDIChild> Window;
};

Scene& SceneOf(int objects) {
    static std::map<int, std::unique_ptr<Scene>> scenes;
    auto& scene = scenes[objects];
    if (!scene) scene = std::make_unique<Scene>(objects);
    return *scene;
}

// A drag of the line tool: every move erases the old band and draws the new one, and updates the read-out.
void RubberBandMove(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    CmLineExecute(scene.S, scene.Ui);
    scene.Window->OnMouseDown(MouseButton::Left, {500, 500});
    int i = 0;
    for (auto _ : state) {
        const Point p{600 + (i % 200), 400 + (i % 150)};
        ++i;
        scene.Window->OnMouseMove(p, true);
    }
    scene.Window->OnKeyDown(KeyEvent{Key::Escape}); // the drag ends without a line
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// An edit click where nothing lies (the whole drawing is looked through) and its refusal.
void EditClickHitTest(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        InstallTool(scene.S, scene.Ui, ModeSelectForEdit);
        scene.S.CurrentTool->Step = 700;
        scene.Window->OnMouseDown(MouseButton::Left, {5, 5});
        scene.Window->OnMouseUp(MouseButton::Left, {5, 5});
    }
    ReturnToPickTool(scene.S, scene.Ui);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// One arrow segment from the keyboard: the length typed, the undo snapshot, the commit with its save of the
// whole drawing, and the repaint of the box it invalidated. Right and left in turn, so the chain stays put.
void KeyboardSegment(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    CmLineExecute(scene.S, scene.Ui);
    scene.Ui.SetCursorPos({900, 500});
    scene.Window->OnKeyDown(KeyEvent{Key::Enter});
    bool right = true;
    for (auto _ : state) {
        scene.Ui.Queue(ScriptAnswer::ForInput("2000"));
        scene.Window->OnKeyDown(KeyEvent{right ? Key::Right : Key::Left});
        scene.Ui.Idle();
        right = !right;
    }
    ReturnToPickTool(scene.S, scene.Ui);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// One external wall by arrow key, end to end: the undo snapshot, the length typed, the start check, the
// joining and corner tests against every wall of the floor, the save and the repaint, and the completion
// test after the key. Each wall starts a run of its own where the last one started, and is taken out again
// untimed and the drawing saved, so the drawing stays at its size and on disk as a user's is before a key.
void ExternalWallByArrow(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        InstallTool(scene.S, scene.Ui, ModeExtWall);
        scene.S.CurrentTool->HitKind = 1; // inner lines below the first wall
        scene.Ui.SetCursorPos({900, 500});
        scene.Window->OnKeyDown(KeyEvent{Key::Enter});
        const int before = scene.S.DrawingObjects.ObjectCount();
        state.ResumeTiming();
        scene.Ui.Queue(ScriptAnswer::ForInput("2000"));
        scene.Window->OnKeyDown(KeyEvent{Key::Right});
        scene.Ui.Idle();
        state.PauseTiming();
        if (scene.S.DrawingObjects.ObjectCount() != before + 1) state.SkipWithError("no wall was made");
        while (scene.S.DrawingObjects.ObjectCount() > before)
            scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
        // As after any change a user makes, the drawing on disk is the list before the next key.
        SaveDrawing(scene.S, ModeWorking);
        state.ResumeTiming();
    }
    ReturnToPickTool(scene.S, scene.Ui);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// The client pixel of a world point under the scene's view: logical units from the view origin at the
// bottom-left corner, ZoomFactor logical units a pixel, y down.
Point PixelOf(const Scene& scene, Point world) {
    const AppState& s = scene.S;
    const double lx = double(world.X) / s.UnitsPerLogical - s.ViewOrgX;
    const double ly = double(world.Y) / s.UnitsPerLogical - s.ViewOrgY;
    return {static_cast<int>(lx / s.ZoomFactor), ClientHeight - static_cast<int>(ly / s.ZoomFactor)};
}

// A pixel inside the first external wall on screen that takes a window of 900 there.
std::optional<Point> WallPixel(const Scene& scene, Ui& ui) {
    OpeningChoice window;
    window.OpeningWidth = 900;
    for (const auto& obj : scene.S.DrawingObjects) {
        if (obj->Kind != 100 || obj->View != ViewGround) continue;
        const auto& w = static_cast<const TExtwallobj&>(*obj);
        if (w.X1 != w.X2 && w.Y1 != w.Y2) continue;
        const Point px = PixelOf(scene, {(w.X1 + w.X2) / 2, (w.Y1 + w.Y2) / 2});
        for (const Point d : {Point{0, 1}, Point{0, -1}, Point{1, 0}, Point{-1, 0}}) {
            const Point p{px.X + d.X, px.Y + d.Y};
            if (p.X < 0 || p.Y < 0 || p.X >= ClientWidth || p.Y >= ClientHeight) continue;
            ui.SetCursorPos(p);
            return p;
        }
    }
    return std::nullopt;
}

// One window set into an external wall, end to end: Enter, the wall search through the drawing, the undo
// snapshot, the mask, glass and label built and painted, the save of the whole drawing and the repaint of
// the changed box. The window's objects are taken out again untimed, so the drawing stays at its size.
void OpeningOnWall(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    scene.Ui.Queue(ScriptAnswer::ForDialog("window", {"window width=900", "window height=1200", "OK"}));
    CmWindowExecute(scene.S, scene.Ui, {});
    auto* tool = dynamic_cast<TWindowobjtool*>(scene.S.CurrentTool.get());
    const auto pixel = WallPixel(scene, scene.Ui);
    if (!tool || !pixel) {
        state.SkipWithError("no wall on screen");
        return;
    }
    std::optional<Point> accepted;
    for (int dx = -3; dx <= 3 && !accepted; ++dx) {
        for (int dy = -3; dy <= 3 && !accepted; ++dy) {
            const int before = scene.S.DrawingObjects.ObjectCount();
            scene.Ui.SetCursorPos({pixel->X + dx, pixel->Y + dy});
            scene.Window->OnKeyDown(KeyEvent{Key::Enter});
            if (tool->Placed) accepted = Point{pixel->X + dx, pixel->Y + dy};
            while (scene.S.DrawingObjects.ObjectCount() > before)
                scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
        }
    }
    if (!accepted) {
        state.SkipWithError("no wall took the window");
        return;
    }
    for (auto _ : state) {
        const int before = scene.S.DrawingObjects.ObjectCount();
        scene.Ui.SetCursorPos(*accepted);
        scene.Window->OnKeyDown(KeyEvent{Key::Enter});
        scene.Ui.Idle();
        state.PauseTiming();
        if (!tool->Placed) state.SkipWithError("the window was refused");
        while (scene.S.DrawingObjects.ObjectCount() > before)
            scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
        state.ResumeTiming();
    }
    ReturnToPickTool(scene.S, scene.Ui);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// The opening's own work at the same point, without the two whole-drawing writes: the search through the
// drawing for the wall and the objects built on it.
void OpeningSearchAndBuild(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    OpeningChoice window;
    window.OpeningWidth = 900;
    // The last external wall of the ground floor, so the search looks through nearly the whole list.
    const TExtwallobj* wall = nullptr;
    for (const auto& obj : scene.S.DrawingObjects)
        if (obj->Kind == 100 && obj->View == ViewGround && (obj->X1 == obj->X2 || obj->Y1 == obj->Y2))
            wall = static_cast<const TExtwallobj*>(obj.get());
    if (!wall) {
        state.SkipWithError("no axis wall");
        return;
    }
    const Point mid{(wall->X1 + wall->X2) / 2, (wall->Y1 + wall->Y2) / 2};
    const OpeningFrame frame({wall->X1, wall->Y1}, {wall->X2, wall->Y2}, mid);
    const Point p = frame.ToWorld(0, 1);
    for (auto _ : state) {
        const auto hit = FindOpeningWall(scene.S.DrawingObjects, ViewGround, p, window);
        if (!hit) state.SkipWithError("the wall did not take the window");
        if (hit) benchmark::DoNotOptimize(BuildOpening(window, OpeningStyle{}, *hit, 1));
    }
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// The two whole-drawing writes a keyboard segment makes, on their own: the undo snapshot and the save.
void SegmentSnapshot(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        RecordUndo(scene.S, scene.Ui);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

void SegmentSave(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        SaveDrawing(scene.S, ModeWorking);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// A design room of the ground floor, appended to the scene's drawing.
TRoomobj& AddDesignRoom(Scene& scene, int number, int left, int top, int size) {
    auto room = std::make_unique<TRoomobj>();
    room->Kind = 29000;
    room->View = ViewGround;
    room->Highlight = room->Aux = number;
    room->X1 = left, room->Y1 = top, room->X2 = left + size, room->Y2 = top - size;
    room->RoomWidth = room->RoomLength = size;
    room->DimensionStyle = 2;
    room->SetRoomName("Room " + std::to_string(number - 10000));
    room->SetWidthText(std::to_string(size));
    room->SetLengthText(std::to_string(size));
    TRoomobj& ref = *room;
    scene.S.DrawingObjects.Append(std::move(room));
    return ref;
}

void WriteRoomSettings(const Scene& scene) {
    std::ofstream(scene.Home / "CFG" / "RMPTNM.CFG") << "100 100 100 100 100 100";
    std::ofstream(scene.Home / "CFG" / "MERGEM.CFG") << "50\n";
    std::ofstream(scene.Home / "CFG" / "MOFFSET.CFG") << "400 600 1000 0 10 8 10";
    std::ofstream(scene.Home / "CFG" / "ARROW.CFG") << "200 1";
}

// One drag and drop of a design room with the left button, end to end: the pick and its undo snapshot,
// the rubber band, the drop aligned against every room and wall of the floor, the save of the whole drawing
// and the repaint. The room goes 40 pixels right and back in turn, so it stays where it was.
void DesignRoomDragDrop(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    WriteRoomSettings(scene);
    const int before = scene.S.DrawingObjects.ObjectCount();
    TRoomobj& room = AddDesignRoom(scene, 19001, 20000, 14000, 3000);
    SaveDrawing(scene.S, ModeWorking);
    InstallTool(scene.S, scene.Ui, 29000);
    bool right = true;
    for (auto _ : state) {
        const Point from = PixelOf(scene, {room.X1 + 700, room.Y1 - 700});
        const Point to{from.X + (right ? 40 : -40), from.Y};
        const int x1 = room.X1;
        scene.Window->OnMouseDown(MouseButton::Left, from);
        scene.Window->OnMouseMove(to, true);
        scene.Window->OnMouseUp(MouseButton::Left, to);
        scene.Ui.Idle();
        if (room.X1 == x1) state.SkipWithError("the room did not move");
        right = !right;
    }
    ReturnToPickTool(scene.S, scene.Ui);
    while (scene.S.DrawingObjects.ObjectCount() > before)
        scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
    SaveDrawing(scene.S, ModeWorking);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

// FINISH Design Rooms of a floor with 20 rooms, five by four and a partition apart, end to end: the undo
// snapshot, the walls of every room against the walls of the floor, the labels and dimension lines, the
// saves and the repaint. The rooms are design rooms again and what finishing made is taken out untimed.
void FinishTwentyRooms(benchmark::State& state) {
    Scene& scene = SceneOf(static_cast<int>(state.range(0)));
    WriteRoomSettings(scene);
    const int before = scene.S.DrawingObjects.ObjectCount();
    std::vector<TRoomobj*> rooms;
    for (int i = 0; i < 20; ++i)
        rooms.push_back(
            &AddDesignRoom(scene, 19001 + i, 6000 + (i % 5) * 3100, 26000 - (i / 5) * 3100, 3000));
    const int withRooms = scene.S.DrawingObjects.ObjectCount();
    SaveDrawing(scene.S, ModeWorking);
    for (auto _ : state) {
        CmLockdroomsExecute(scene.S, scene.Ui, scene.Window.get());
        scene.Ui.Idle();
        state.PauseTiming();
        if (scene.S.DrawingObjects.ObjectCount() <= withRooms) state.SkipWithError("nothing was finished");
        state.counters["made"] = scene.S.DrawingObjects.ObjectCount() - withRooms;
        while (scene.S.DrawingObjects.ObjectCount() > withRooms)
            scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
        for (TRoomobj* r : rooms)
            r->Kind = 29000;
        SaveDrawing(scene.S, ModeWorking);
        state.ResumeTiming();
    }
    ReturnToPickTool(scene.S, scene.Ui);
    while (scene.S.DrawingObjects.ObjectCount() > before)
        scene.S.DrawingObjects.RemoveAt(scene.S.DrawingObjects.ObjectCount() - 1);
    SaveDrawing(scene.S, ModeWorking);
    state.counters["objects"] = static_cast<double>(state.range(0));
}

BENCHMARK(RubberBandMove)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(EditClickHitTest)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyboardSegment)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExternalWallByArrow)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpeningOnWall)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpeningSearchAndBuild)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SegmentSnapshot)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SegmentSave)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DesignRoomDragDrop)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FinishTwentyRooms)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
