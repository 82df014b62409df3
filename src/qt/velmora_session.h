// The program's two ways of running: the window, and a session script replayed without one. apps/velmora.cpp
// reads the command line, makes the application object and calls one of these.
#pragma once

#include "platform/ui.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {

inline constexpr const char* VelmoraUsage =
    "usage: velmora [--home DIR] [--script FILE] [--headless] [--size WxH]";

struct VelmoraOptions {
    std::optional<std::filesystem::path> Home;
    std::optional<std::filesystem::path> Script;
    bool Headless = false;
    std::optional<Size> WindowSize; // --size; scripts default to 1280 x 800
};

// The options of the command line without the program name; nothing, with error set, for an unknown
// option, a missing value or a size that is not WxH with both sides 1 to 10000.
std::optional<VelmoraOptions> ParseVelmoraArguments(const std::vector<std::string>& args, std::string& error);

inline constexpr Size DefaultScriptWindow{1280, 800};

// Replays options.Script on a fresh program in the home folder: the transcript to out, a failure's message
// to err. Needs a QGuiApplication (fonts); shows nothing. Returns the exit status: 0 when the script ran
// through, 1 when it failed.
int RunScriptSession(const VelmoraOptions& options, const std::filesystem::path& home, std::ostream& out,
                     std::ostream& err);

// The program on screen until its frame closes: the frame maximised (or of --size), the start-up, the event
// loop. Needs a QApplication. Returns the event loop's exit status.
int RunWindowSession(const VelmoraOptions& options, const std::filesystem::path& home,
                     const std::filesystem::path& executableDir);

} // namespace velmora
