// velmora-cli as a user runs it: round trips are byte exact, a damaged drawing gives one clear line and
// leaves every file untouched, and the shipped sample drawing is what its generator makes.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace velmora::test;

namespace {

struct CliRun {
    int Status;
    std::string Out, Err;
};

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

CliRun Cli(const TempDir& dir, const std::string& args) {
    const fs::path out = dir.Path / "stdout.txt", err = dir.Path / "stderr.txt";
    // A run that hangs (a FIFO read without end) is ended, and fails, instead of stalling the test run.
    const std::string cmd = "timeout 20 " + Quote(VELMORA_CLI) + " --home " + Quote(VELMORA_HOME_TEMPLATE) +
                            " " + args + " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

std::string ReplaceFirst(std::string s, const std::string& from, const std::string& to) {
    const auto at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
}

} // namespace

TEST(Cli, RoundTripOfEveryKindIsByteExactAndLfComesBackAsCrLf) {
    TempDir dir;
    const std::string original = ReadFile(Fixture("every_kind.BMS"));
    std::string lf = original;
    std::erase(lf, '\r');
    WriteFile(dir.Path / "lf.BMS", lf);
    for (const fs::path& in : {Fixture("every_kind.BMS"), dir.Path / "lf.BMS"}) {
        const fs::path out = dir.Path / "out.BMS";
        const CliRun run = Cli(dir, "roundtrip " + Quote(in.string()) + " " + Quote(out.string()));
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(ReadFile(out), original) << in;
    }
}

TEST(Cli, InfoPrintsTheHeaderAndTheObjectsOfEachKind) {
    TempDir dir;
    const CliRun run = Cli(dir, "info " + Quote(Fixture("every_kind.BMS").string()));
    ASSERT_EQ(run.Status, 0) << run.Err;
    for (const char* line : {"objects: 21\n", "design rooms: 2\n", "marks: 3\n", "measuring system: metric\n",
                             "next element number: 42\n", "kind 100 (external wall): 1\n",
                             "kind 29000 (design room): 1\n", "kind 32005 (floor record): 1\n"})
        EXPECT_NE(run.Out.find(line), std::string::npos) << line << "\n" << run.Out;
}

TEST(Cli, DamagedDrawingsGiveOneLineAndTouchNoFile) {
    const std::string original = ReadFile(Fixture("every_kind.BMS"));
    const std::pair<std::string, std::string> cases[] = {
        {original.substr(0, original.size() / 2), ":"},
        {ReplaceFirst(original, "3\r\n3 120", "7\r\n7 120"), ":16: unknown object kind 7"},
        {ReplaceFirst(original, "21 2 3 0 1 42", "25 2 3 0 1 42"), ": the file ends after 21 of the 25"},
        {ReplaceFirst(original, "46 11 0 6 11", "46 99 0 6 11"),
         ":19: string length 99 is beyond its field of 79"},
        {ReplaceFirst(original, "602 603 4 601", "602 603 25 601"), ":53: 25 vertices, more than 19"},
        {ReplaceFirst(original, "51 52 53", "51 five 53"), ":23: 'five' where a number belongs"},
    };
    for (const auto& [text, says] : cases) {
        TempDir dir;
        const fs::path in = dir.Path / "damaged.BMS";
        WriteFile(in, text);
        const fs::path fresh = dir.Path / "fresh.BMS";
        const fs::path existing = dir.Path / "existing.BMS";
        WriteFile(existing, "keep me");
        for (const fs::path& out : {fresh, existing}) {
            const CliRun run = Cli(dir, "roundtrip " + Quote(in.string()) + " " + Quote(out.string()));
            EXPECT_NE(run.Status, 0) << says;
            EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
            EXPECT_EQ(run.Err.rfind(in.string() + ":", 0), 0u) << run.Err;
            EXPECT_NE(run.Err.find(says), std::string::npos) << run.Err;
        }
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(ReadFile(existing), "keep me");
        EXPECT_EQ(ReadFile(in), text);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path), fs::directory_iterator()), 4)
            << "no temporary file is left behind";
    }
}

// A FIFO named like a drawing would make info and roundtrip wait for a writer for ever, a link to /dev/zero
// read until the memory is gone: both, and a directory, are refused at once with one line.
TEST(Cli, NamesThatAreNoRegularFileAreRefusedAtOnce) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir.Path / "fifo.BMS").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir.Path / "zero.BMS");
    fs::create_directory(dir.Path / "folder.BMS");
    const std::pair<const char*, const char*> cases[] = {
        {"fifo.BMS", ": is a FIFO, not a regular file\n"},
        {"zero.BMS", ": is a device, not a regular file\n"},
        {"folder.BMS", ": is a directory, not a regular file\n"},
    };
    for (const auto& [name, says] : cases) {
        const fs::path in = dir.Path / name, out = dir.Path / "out.BMS";
        for (const std::string& command :
             {"info " + Quote(in.string()), "roundtrip " + Quote(in.string()) + " " + Quote(out.string())}) {
            const CliRun run = Cli(dir, command);
            EXPECT_EQ(run.Status, 1) << command;
            EXPECT_EQ(run.Err, in.string() + says);
            EXPECT_FALSE(fs::exists(out));
        }
    }
}

TEST(Cli, ShippedSampleDrawingIsWhatTheGeneratorMakes) {
    TempDir dir;
    const fs::path made = dir.Path / "sample.BMS";
    const CliRun run = Cli(dir, "make-sample " + Quote(made.string()));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(ReadFile(made), ReadFile(fs::path(VELMORA_HOME_TEMPLATE) / "DWGS" / "Sample House.BMS"));
}
