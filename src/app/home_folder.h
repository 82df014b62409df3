// The home folder: where drawings, settings, undo files, libraries and pictures live. It is chosen once at
// start-up and completed from the installed default home folder, so a user never meets a missing settings
// file or folder, and nothing the user already has is ever overwritten.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// The default home folder that came with the program (its source tree's home/).
std::filesystem::path ShippedHomeTemplate();

// What the choice of the home folder depends on, so that it can be decided without touching the real
// environment (tests) as well as from it (the program).
struct HomeEnvironment {
    std::optional<std::filesystem::path> HomeArgument; // --home DIR
    std::filesystem::path CurrentDirectory;
    std::string XdgDataHome; // $XDG_DATA_HOME, empty when unset
    std::string UserHome;    // $HOME, empty when unset
    std::filesystem::path Template = ShippedHomeTemplate(); // the default home folder shipped with the program

    // The current directory and the variables of this process; HomeArgument is left for the caller.
    static HomeEnvironment FromProcess();
};

enum class HomeSource { Argument, CurrentDirectory, UserData };

struct HomeFolder {
    std::filesystem::path Path; // absolute
    HomeSource Source = HomeSource::Argument;
    bool FirstStart = false; // the folder had no CFG/ and was filled from the template
};

// The subfolders every home folder has.
inline constexpr const char* HomeSubfolders[] = {"DWGS", "WDS", "CFG", "ACT", "LIBS", "EXPORT"};

// Which folder is home: --home DIR; else the current directory when it holds CFG/; else the user's data
// folder ($XDG_DATA_HOME/velmora when that variable holds an absolute path, else ~/.local/share/velmora).
// Touches nothing. Nothing, with error set, when no folder can be named (no HOME and no XDG_DATA_HOME).
std::optional<HomeFolder> ResolveHomeFolder(const HomeEnvironment& env, std::string& error);

// Makes a home folder usable: creates it and its subfolders when missing; on first start (no CFG/ yet)
// copies the whole template into it; on every start copies each template settings file that CFG/ lacks.
// Never overwrites a file. False, with error set, when a folder cannot be created, the template is missing
// on first start, or a file cannot be copied.
bool PrepareHomeFolder(HomeFolder& home, const std::filesystem::path& templateDir, std::string& error);

// Both steps: the home folder to use, ready for the program.
std::optional<HomeFolder> SetUpHomeFolder(const HomeEnvironment& env, std::string& error);

} // namespace velmora
