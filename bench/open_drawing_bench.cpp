// Opening a drawing as the recent list and File/Open do (OpenDrawingByName): the file read and parsed, the
// drawing window opened on the list with its view set up, the undo ring claimed and the checkpoint written,
// for generated drawings of 100,000 and 1,000,000 objects. No picture is painted (the paint has benchmarks
// of its own); the checkpoint is flushed to the disk as the program flushes it.
//
//   build/bench/velmora_bench --benchmark_filter=OpenDrawing
//
// The home folder is a copy of the shipped one under $VELMORA_BENCH_DIR (else the system's temporary
// folder), with the drawing as DWGS/BENCH<objects>.BMS, left there so a whole-process run can open the
// same file, start-up to the first painted window, with the drawing the only recent one:
//   H=$VELMORA_BENCH_DIR/open-home
//   printf '12 0 0 0 BENCH1000000' > $H/CFG/LASTFILES.CFG
//   printf 'expect caption "BENCH1000000.PLN"\n' > open.vms
//   time build/velmora --headless --home $H --script open.vms
#include "drawing_generator.h"

#include "app/drawing_open.h"
#include "app/home_folder.h"
#include "app/program.h"
#include "platform/scripted_ui.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

fs::path OpenHome() {
    const char* dir = std::getenv("VELMORA_BENCH_DIR");
    const fs::path folder = (dir ? fs::path(dir) : fs::temp_directory_path() / "velmora-bench") / "open-home";
    if (!fs::is_directory(folder / "CFG")) {
        fs::create_directories(folder);
        fs::copy(ShippedHomeTemplate(), folder,
                 fs::copy_options::recursive | fs::copy_options::skip_existing);
    }
    return folder;
}

std::string DrawingName(int objects) {
    return "BENCH" + std::to_string(objects);
}

// A program on the home folder with the drawing written into it, made once per size.
struct OpenScene {
    std::ostringstream Transcript;
    AppState State;
    ScriptedUi Ui{Transcript};
    Program Prog{State, Ui};
    std::uintmax_t FileBytes = 0;

    explicit OpenScene(int objects) {
        State.HomePath = OpenHome();
        const fs::path file = State.HomePath / "DWGS" / (DrawingName(objects) + ".BMS");
        if (!fs::exists(file)) {
            const GeneratedDrawing d = GenerateDrawing(objects);
            WriteDrawingFile(file, d.Objects, d.Header, SheetShift());
        }
        FileBytes = fs::file_size(file);
    }
};

OpenScene& SceneOf(int objects) {
    static std::map<int, std::unique_ptr<OpenScene>> scenes;
    auto& scene = scenes[objects];
    if (!scene) scene = std::make_unique<OpenScene>(objects);
    return *scene;
}

void BM_OpenDrawing(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    OpenScene& scene = SceneOf(objects);
    for (auto _ : state) {
        if (OpenDrawingByName(scene.Prog, DrawingName(objects)) != OpenOutcome::Opened)
            state.SkipWithError(scene.Ui.LastMessage().c_str());
        state.PauseTiming(); // closing the drawing belongs to whatever comes next
        scene.Prog.CloseDrawingWindow();
        scene.State.DrawingObjects.Clear();
        state.ResumeTiming();
    }
    state.counters["objects"] = objects;
    state.counters["file_MB"] = static_cast<double>(scene.FileBytes) / 1e6;
}

BENCHMARK(BM_OpenDrawing)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace velmora::bench
