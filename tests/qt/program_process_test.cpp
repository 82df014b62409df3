// The real program as a process, for what only a whole process shows: killed with kill -9 while a drawing is
// open (or at any moment of its start), the next start opens that drawing again and finds no temporary file
// of the cut-short session; a FIFO as the first recent drawing is refused at once instead of hanging the
// start. Every child is given a deadline and killed when it passes it, so a hang fails the test instead of
// stalling the run.
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// velmora with the given arguments, headless, its output into files of the home folder. Everything is made
// ready before the fork: the child only redirects and runs the program.
pid_t StartVelmora(const fs::path& home, std::vector<std::string> args) {
    args.insert(args.begin(), {VELMORA_PROGRAM, "--home", home.string(), "--headless"});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int out = ::open((home / "stdout.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open((home / "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out);
    ::close(err);
    return pid;
}

// The exit status, or -1 when the process had to be killed at the deadline.
int WaitFor(pid_t pid, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(20ms);
    }
}

bool WaitForFile(const fs::path& file, std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// A session script run by the real program; its exit status (0 when every expect held).
int RunScript(const fs::path& home, const std::string& script) {
    test::WriteFile(home / "check.vms", script);
    return WaitFor(StartVelmora(home, {"--script", (home / "check.vms").string()}), 60s);
}

std::string Output(const fs::path& home) {
    return test::ReadFile(home / "stdout.txt") + test::ReadFile(home / "stderr.txt");
}

class ProgramProcessTest : public ::testing::Test {
protected:
    ProgramProcessTest() {
        fs::copy(VELMORA_HOME_TEMPLATE, Home.Path, fs::copy_options::recursive);
        fs::remove(Home.Path / "CFG" / "tmp.cfg");
    }
    test::TempDir Home;
};

TEST_F(ProgramProcessTest, KilledWithADrawingOpenTheNextStartOpensItAgain) {
    const fs::path dwgs = Home.Path / "DWGS";
    fs::copy_file(dwgs / "Sample House.BMS", dwgs / "First.BMS");
    test::WriteFile(Home.Path / "CFG" / "LASTFILES.CFG", "5 12 0 0 FirstSample House");

    const pid_t window = StartVelmora(Home.Path, {});
    // The checkpoint is written once the drawing is open; the recent list follows at once.
    const bool opened = WaitForFile(Home.Path / "CFG" / "tmp.cfg", 60s);
    std::this_thread::sleep_for(500ms);
    ::kill(window, SIGKILL);
    EXPECT_EQ(WaitFor(window, 10s), -1);
    ASSERT_TRUE(opened) << Output(Home.Path);
    EXPECT_EQ(test::ReadFile(Home.Path / "CFG" / "LASTFILES.CFG"), "5 12 0 0 FirstSample House");

    // A save that was cut short by the kill.
    const fs::path leftover = dwgs / "First.BMS.tmpQ1w2E3";
    test::WriteFile(leftover, "21 0 0 0 1");
    fs::permissions(leftover, fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_EQ(RunScript(Home.Path, "expect caption \"First.PLN\"\n"
                                   "expect file DWGS/First.BMS.tmpQ1w2E3 absent\n"),
              0)
        << Output(Home.Path);
}

// Killed at any moment of its start, while it reads its settings, opens the drawing and writes the files of
// an open drawing: the list on disk is each time one that opens First again.
TEST_F(ProgramProcessTest, AKillAtAnyMomentOfTheStartLeavesTheListWhole) {
    const fs::path dwgs = Home.Path / "DWGS";
    fs::copy_file(dwgs / "Sample House.BMS", dwgs / "First.BMS");
    const std::string list = "5 12 0 0 FirstSample House";
    test::WriteFile(Home.Path / "CFG" / "LASTFILES.CFG", list);
    for (const auto delay : {0ms, 30ms, 60ms, 100ms, 150ms, 200ms, 300ms, 450ms}) {
        SCOPED_TRACE(delay.count());
        const pid_t window = StartVelmora(Home.Path, {});
        std::this_thread::sleep_for(delay);
        ::kill(window, SIGKILL);
        WaitFor(window, 10s);
        EXPECT_EQ(test::ReadFile(Home.Path / "CFG" / "LASTFILES.CFG"), list);
    }
}

TEST_F(ProgramProcessTest, AFifoAsTheFirstRecentDrawingIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo((Home.Path / "DWGS" / "Pipe.BMS").c_str(), 0644), 0);
    test::WriteFile(Home.Path / "CFG" / "LASTFILES.CFG", "4 0 0 0 Pipe");
    EXPECT_EQ(RunScript(Home.Path,
                        "expect message \"the drawing Pipe cannot be opened (Pipe.BMS is a FIFO, not "
                        "a regular file) - the file is left as it is\"\n"),
              0)
        << Output(Home.Path);
}

} // namespace
} // namespace velmora
