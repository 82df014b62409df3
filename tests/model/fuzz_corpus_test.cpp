// Replays the fuzz target's seed corpus and the faults the fuzzer found through the same round-trip checks,
// so an ordinary test run guards what fuzzing once established.
#include "../../fuzz/round_trip_check.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

namespace velmora {
namespace {

std::filesystem::path CorpusFolder() {
    return std::filesystem::path(VELMORA_FIXTURES).parent_path().parent_path() / "fuzz" / "corpus";
}

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusFolder()))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// ok-* files are sound drawings, bad-* damaged ones; regress-* are fuzzer finds, judged by the checks alone.
TEST(FuzzCorpus, EveryFilePassesTheRoundTripChecksAndIsJudgedAsItsNameSays) {
    const auto files = CorpusFiles();
    ASSERT_GE(files.size(), 30u) << "the corpus is missing from " << CorpusFolder();
    int sound = 0, damaged = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string data = test::ReadFile(path);
        EXPECT_EQ(fuzz::CheckDrawingRoundTrip(data), "");

        TFlist list;
        DrawingHeader header;
        const bool accepted = !ParseDrawing(data, fuzz::CheckShift(), list, header);
        const std::string name = path.filename().string();
        if (name.starts_with("ok-")) {
            EXPECT_TRUE(accepted);
            ++sound;
        } else if (name.starts_with("bad-")) {
            EXPECT_FALSE(accepted);
            ++damaged;
        }
    }
    EXPECT_GT(sound, 10);
    EXPECT_GT(damaged, 10);
}

// A refused vertex count once let the record's vertex loop index past the 19 corners (or spin two billion
// times for a count near the 32-bit limit).
TEST(FuzzCorpus, VertexCountsBeyondTheArraysAreRefusedAtOnce) {
    for (const char* name : {"bad-vertex-count-huge.bms", "regress-vertex-count-past-array.bms"}) {
        SCOPED_TRACE(name);
        const std::string data = test::ReadFile(CorpusFolder() / name);
        TFlist list;
        DrawingHeader header;
        const auto start = std::chrono::steady_clock::now();
        const auto fault = ParseDrawing(data, fuzz::CheckShift(), list, header);
        // Milliseconds at most; the spinning loop took seconds.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        ASSERT_TRUE(fault.has_value());
        EXPECT_NE(fault->Message.find("vertices, more than 19"), std::string::npos) << fault->Message;
    }
}

TEST(FuzzCorpus, WriterRefusesAPolygonWhoseVertexCountRunsPastItsArrays) {
    for (std::int32_t count : {20, -1}) {
        SCOPED_TRACE(count);
        TFlist list;
        auto poly = std::make_unique<TPolyobj>();
        poly->VertexCount = count;
        list.Append(std::move(poly));
        std::string text, error;
        EXPECT_FALSE(FormatDrawing(list, {}, fuzz::CheckShift(), text, error));
        EXPECT_NE(error.find("vertex count"), std::string::npos) << error;
    }
}

} // namespace
} // namespace velmora
