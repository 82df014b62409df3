// Loading and saving whole drawings of 10,000 and 100,000 objects: the text reader and writer alone, and the
// full load from disk and atomic save to disk. The save is measured twice: as the program does it (the new
// file is flushed to the disk before the rename) and without that flush, so the cost of the disk shows apart
// from the cost of the code. Files go to $VELMORA_BENCH_DIR, else a folder under the system's temporary one.
//
//   build/bench/velmora_bench --benchmark_counters_tabular=true
//   build/bench/velmora_bench --benchmark_filter=ReadDrawingFile --benchmark_repetitions=5
//
// Counters: file_MB (the drawing's size on disk), list_MB and bytes_per_object (the heap the loaded list
// holds, from mallinfo2 before and after a load). Each benchmark run alone (--benchmark_filter) gives
// steadier figures: the allocator's state after the others, whether it trims the heap back to the system
// between iterations, moves a load by several milliseconds.
#include "drawing_generator.h"

#include "model/file_io.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::bench {
namespace {

struct Sample {
    GeneratedDrawing Drawing;
    std::string Text;
};

// Each size is generated and written once per run, not once per benchmark.
const Sample& SampleOf(int objects) {
    static std::map<int, Sample> samples;
    auto [it, added] = samples.try_emplace(objects);
    if (added) {
        it->second.Drawing = GenerateDrawing(objects);
        std::string error;
        if (!FormatDrawing(it->second.Drawing.Objects, it->second.Drawing.Header, SheetShift(),
                           it->second.Text, error)) {
            std::fprintf(stderr, "the generated drawing cannot be written: %s\n", error.c_str());
            std::abort();
        }
    }
    return it->second;
}

std::filesystem::path BenchFolder() {
    const char* dir = std::getenv("VELMORA_BENCH_DIR");
    std::filesystem::path folder =
        dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path() / "velmora-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path DrawingPath(int objects) {
    return BenchFolder() / ("BENCH" + std::to_string(objects) + ".BMS");
}

// Bytes the allocator has handed out, small blocks and mapped ones alike.
std::size_t HeapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

void Describe(benchmark::State& state, const Sample& sample) {
    state.counters["objects"] = sample.Drawing.Objects.ObjectCount();
    state.counters["file_MB"] = static_cast<double>(sample.Text.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample.Text.size()));
}

void BM_ParseDrawing(benchmark::State& state) {
    const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TFlist list;
        DrawingHeader header;
        if (ParseDrawing(sample.Text, SheetShift(), list, header)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(list);
        state.PauseTiming(); // the freeing of the list belongs to whatever comes next, not to the reading
        list.Clear();
        state.ResumeTiming();
    }
    Describe(state, sample);
}

void BM_FormatDrawing(benchmark::State& state) {
    const Sample& sample = SampleOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text, error;
        if (!FormatDrawing(sample.Drawing.Objects, sample.Drawing.Header, SheetShift(), text, error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(text);
    }
    Describe(state, sample);
}

void BM_ReadDrawingFile(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    const Sample& sample = SampleOf(objects);
    const auto path = DrawingPath(objects);
    if (!WriteDrawingFile(path, sample.Drawing.Objects, sample.Drawing.Header, SheetShift()).Ok())
        return state.SkipWithError("cannot write the drawing");

    // What the loaded list holds on the heap, with the file's text already freed.
    std::size_t listBytes = 0;
    {
        const std::size_t before = HeapInUse();
        TFlist list;
        DrawingHeader header;
        if (!ReadDrawingFile(path, SheetShift(), list, header).Ok()) return state.SkipWithError("refused");
        listBytes = HeapInUse() - before;
    }
    for (auto _ : state) {
        TFlist list;
        DrawingHeader header;
        const FileResult result = ReadDrawingFile(path, SheetShift(), list, header);
        if (!result.Ok()) state.SkipWithError(result.Message.c_str());
        state.PauseTiming();
        list.Clear();
        state.ResumeTiming();
    }
    Describe(state, sample);
    state.counters["list_MB"] = static_cast<double>(listBytes) / 1e6;
    state.counters["bytes_per_object"] = static_cast<double>(listBytes) / objects;
}

void BM_WriteDrawingFile(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    const Sample& sample = SampleOf(objects);
    const auto path = DrawingPath(objects);
    for (auto _ : state) {
        const FileResult result =
            WriteDrawingFile(path, sample.Drawing.Objects, sample.Drawing.Header, SheetShift());
        if (!result.Ok()) state.SkipWithError(result.Message.c_str());
    }
    Describe(state, sample);
}

// The atomic save without its flush to the disk: the same temporary file and rename as WriteFileAtomic.
bool WriteWithoutSync(const std::filesystem::path& path, std::string_view data) {
    std::string tmp = path.string() + ".tmpXXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    bool ok = true;
    for (std::string_view rest = data; ok && !rest.empty();) {
        const ssize_t n = ::write(fd, rest.data(), rest.size());
        ok = n > 0;
        if (ok) rest.remove_prefix(static_cast<std::size_t>(n));
    }
    ok = ::close(fd) == 0 && ok;
    if (ok) ::chmod(tmp.c_str(), 0644);
    if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

void BM_WriteDrawingFileNoSync(benchmark::State& state) {
    const int objects = static_cast<int>(state.range(0));
    const Sample& sample = SampleOf(objects);
    const auto path = DrawingPath(objects);
    for (auto _ : state) {
        std::string text, error;
        if (!FormatDrawing(sample.Drawing.Objects, sample.Drawing.Header, SheetShift(), text, error) ||
            !WriteWithoutSync(path, text))
            state.SkipWithError("cannot write the drawing");
    }
    Describe(state, sample);
}

#define VELMORA_SIZES ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ParseDrawing) VELMORA_SIZES;
BENCHMARK(BM_FormatDrawing) VELMORA_SIZES;
BENCHMARK(BM_ReadDrawingFile) VELMORA_SIZES->UseRealTime();
BENCHMARK(BM_WriteDrawingFile) VELMORA_SIZES->UseRealTime();
BENCHMARK(BM_WriteDrawingFileNoSync) VELMORA_SIZES->UseRealTime();

} // namespace
} // namespace velmora::bench
