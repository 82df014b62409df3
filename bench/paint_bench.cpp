// Repainting the drawing window: a generated ground floor of 10,000 and 100,000 objects painted whole into a
// 1920 x 1080 backing image, and 40 x 40 pixel boxes of it repainted, through the window's own paint
// handler (TMDIChild::OnPaint on the BackingImage the window and headless runs keep their picture in).
//
//   build/bench/velmora_paint_bench
//   build/bench/velmora_paint_bench --benchmark_filter=FullRepaint/100000 --benchmark_repetitions=5
//
// The view is the one a user gets on opening the drawing: normal zoom (ZoomFactor 5, 25 mm a pixel), the
// sheet of 9600 x 5400 logical units (48 m x 27 m) filling the window, centred. Every generated object lies
// on that sheet, so a full repaint paints all of them. The benchmark sets QT_QPA_PLATFORM=offscreen itself
// unless the environment names a platform.
//
// Counters: objects (in the drawing), painted_pixels (of one repaint). With VELMORA_PAINT_BENCH_SAVE=PREFIX
// the full repaints are saved as PREFIX-<objects>.png.
#include "drawing_generator.h"

#include "app/app_state.h"
#include "model/drawing_objects.h"
#include "platform/scripted_ui.h"
#include "qt/backing_image.h"
#include "view/drawing_window.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace velmora::bench {
namespace {

constexpr int ClientWidth = 1920, ClientHeight = 1080;
constexpr int SheetW = 9600, SheetH = 5400; // logical units: the window at ZoomFactor 5
constexpr int BoxSide = 40;

// A drawing window on a generated ground floor, with its home folder (the window reads and writes a few
// settings files) and its picture.
class Scene {
public:
    explicit Scene(int objects)
        : Home(std::filesystem::temp_directory_path() /
               ("velmora-paint-bench-" + std::to_string(::getpid()) + "-" + std::to_string(objects))),
          Ui(Transcript), Picture({ClientWidth, ClientHeight}) {
        std::filesystem::create_directories(Home / "CFG");
        S.HomePath = Home;
        S.DrawingName = "BENCH";
        S.MetricFlag = 1;
        S.SetUnitsFromMetricFlag();
        S.SheetWidth = SheetW;
        S.SheetHeight = SheetH;
        S.CurrentView = ViewGround;
        S.ZoomState = 2;
        Ui.SetClientSize({ClientWidth, ClientHeight});
        Ui.OpenDrawingWindow("-");
        Window = std::make_unique<TMDIChild>(S, Ui); // no drawing ready yet: nothing is read from disk

        // Every generated house moves onto the ground floor; the floor records keep their own views.
        GeneratedDrawing d = GenerateDrawing(objects);
        for (const auto& obj : d.Objects)
            if (obj->Kind < 32000 || obj->Kind > 32005) obj->View = ViewGround;
        S.DrawingObjects = std::move(d.Objects);
        S.TakeHeader(d.Header);
        S.DrawingReady = 2;
        Window->SetupView(1);
        Picture.SetBackground(S.BackgroundColour);
    }
    ~Scene() {
        Window.reset();
        std::error_code ec;
        std::filesystem::remove_all(Home, ec);
    }

    const QImage& Image() const { return Picture.GetImage(); }

    void Repaint(const Rect& area) { Repaint(Picture, area); }

    // The whole window on a new picture, as after opening the drawing or resizing the window: the fonts and
    // shaped labels the picture keeps across repaints are all still to be made.
    void RepaintNewPicture() {
        BackingImage fresh({ClientWidth, ClientHeight}, Picture.GetBackground());
        Repaint(fresh, {0, 0, ClientWidth, ClientHeight});
    }

private:
    void Repaint(BackingImage& picture, const Rect& area) {
        picture.Repaint(area, [this](Canvas& c, const Rect& clip) { Window->OnPaint(c, clip); });
    }

    std::filesystem::path Home;
    std::ostringstream Transcript;
    ScriptedUi Ui;
    AppState S;
    std::unique_ptr<TMDIChild> Window;
    BackingImage Picture;
};

// Each size is generated once per run.
Scene& SceneOf(int objects) {
    static std::map<int, std::unique_ptr<Scene>> scenes;
    auto& scene = scenes[objects];
    if (!scene) scene = std::make_unique<Scene>(objects);
    return *scene;
}

void FullRepaint(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    Scene& scene = SceneOf(objects);
    for (auto _ : state)
        scene.Repaint({0, 0, ClientWidth, ClientHeight});
    // The picture, to check by eye or compare between two builds that a faster paint paints the same.
    if (const char* save = std::getenv("VELMORA_PAINT_BENCH_SAVE"))
        scene.Image().save(
            QString::fromStdString(std::string(save) + "-" + std::to_string(objects) + ".png"));
    state.counters["objects"] = objects;
    state.counters["painted_pixels"] = ClientWidth * ClientHeight;
}

// The first repaint of a new picture (its allocation included).
void FirstRepaint(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    Scene& scene = SceneOf(objects);
    for (auto _ : state)
        scene.RepaintNewPicture();
    state.counters["objects"] = objects;
}

// A small changed box, as a tool invalidates after adding or moving an object: boxes on a grid over the
// window in turn, so the figure is an average over empty and crowded places.
void BoxRepaint(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    Scene& scene = SceneOf(objects);
    constexpr int Columns = 8, Rows = 5;
    int next = 0;
    for (auto _ : state) {
        const int col = next % Columns, row = next / Columns % Rows;
        ++next;
        const int left = (2 * col + 1) * ClientWidth / (2 * Columns) - BoxSide / 2;
        const int top = (2 * row + 1) * ClientHeight / (2 * Rows) - BoxSide / 2;
        scene.Repaint({left, top, left + BoxSide, top + BoxSide});
    }
    state.counters["objects"] = objects;
    state.counters["painted_pixels"] = BoxSide * BoxSide;
}

BENCHMARK(FullRepaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstRepaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BoxRepaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    // Fonts need a GUI application; the benchmark needs no screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
