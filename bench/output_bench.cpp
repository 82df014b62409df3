// Output: a generated floor of 10,000 and 100,000 objects printed at 100 : 1 to a PDF through the print
// engine and the PDF job velmora-cli and the print dialog's "PDF file" use (the file written atomically
// included), and the export of a full 1920 x 1080 window picture as an interlaced PNG (the capture's
// conversion to a DIB and the libpng writer) and as a BMP.
//
//   build/bench/velmora_output_bench
//   build/bench/velmora_output_bench --benchmark_filter=PrintPdf/100000 --benchmark_repetitions=5
//
// The floor is the paint benchmark's: every generated object moved onto the ground floor. The benchmark
// sets QT_QPA_PLATFORM=offscreen itself unless the environment names a platform.
#include "drawing_generator.h"

#include "model/object_list.h"
#include "output/bmp_writer.h"
#include "output/dib.h"
#include "output/plan_output.h"
#include "output/png_writer.h"
#include "qt/painter_print_job.h"
#include "qt/picture_export.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace velmora::bench {
namespace {

namespace fs = std::filesystem;

constexpr int ClientWidth = 1920, ClientHeight = 1080;

fs::path Scratch() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / ("velmora-output-bench-" + std::to_string(::getpid()));
        fs::create_directories(d / "CFG");
        return d;
    }();
    return dir;
}

PrintDrawing& FloorOf(int objects) {
    static std::map<int, std::unique_ptr<PrintDrawing>> floors;
    auto& floor = floors[objects];
    if (!floor) {
        GeneratedDrawing d = GenerateDrawing(objects);
        for (const auto& obj : d.Objects)
            if (obj->Kind < 32000 || obj->Kind > 32005) obj->View = ViewGround;
        floor = std::make_unique<PrintDrawing>();
        floor->Objects = std::move(d.Objects);
        floor->SheetWidth = SheetWidth;
        floor->SheetHeight = SheetHeight;
        floor->UnitsPerLogical = UnitsPerLogical;
        floor->Name = "BENCH";
    }
    return *floor;
}

void PrintPdf(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    PrintDrawing& floor = FloorOf(objects);
    const fs::path out = Scratch() / ("plan-" + std::to_string(objects) + ".pdf");
    for (auto _ : state) {
        PdfPrintJob job(out, PrintJobRequest{"BENCH", true});
        std::string error;
        if (!PrintPlan(Scratch(), floor, ViewGround, 100, job, error)) state.SkipWithError(error.c_str());
    }
    state.counters["objects"] = objects;
    state.counters["pdf_bytes"] = static_cast<double>(fs::file_size(out));
}

// A window's picture: the generated floor painted as the plan picture would be, captured once.
const CapturedPicture& WindowPicture() {
    static const CapturedPicture picture = [] {
        const QImage image = RenderPicture(ClientWidth, ClientHeight, Rgb(255, 255, 255), [](Canvas& c) {
            PaintPlanPicture(c, FloorOf(10000), ViewGround, ClientWidth, ClientHeight);
        });
        return CapturePicture(image);
    }();
    return picture;
}

void PngOfWindow(benchmark::State& state) {
    const CapturedPicture& picture = WindowPicture();
    const fs::path out = Scratch() / "window.PNG";
    for (auto _ : state) {
        const Dib dib = MakeDib(picture, 32);
        PngRequest r;
        r.Flags = 1;
        r.FileName = out;
        r.Header = dib.Header.data();
        r.Bits = dib.Bits.data();
        if (WritePng(r) != PngOk) state.SkipWithError("the PNG writer failed");
    }
    state.counters["png_bytes"] = static_cast<double>(fs::file_size(out));
}

void BmpOfWindow(benchmark::State& state) {
    const CapturedPicture& picture = WindowPicture();
    const fs::path out = Scratch() / "window.BMP";
    for (auto _ : state) {
        std::string error;
        if (!WriteBmpFile(out, MakeDib(picture, 24), error)) state.SkipWithError(error.c_str());
    }
}

BENCHMARK(PrintPdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PngOfWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BmpOfWindow)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace velmora::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(velmora::bench::Scratch(), ec);
    return 0;
}
