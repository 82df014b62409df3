// Random sessions: a seeded stream of the things a user does (menu commands, keys, clicks and drags in the
// drawing window) written as a session script, to be replayed with answering by default. The commands are
// taken from the menu table, so every command that is built joins the sessions without a change here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct RandomSessionSpec {
    std::uint32_t Seed = 1;
    int Actions = 40; // user actions, a drag counting as one
    int Width = 1280; // the drawing window's client size the pixels are chosen in
    int Height = 800;
};

// The handlers a session may run: every built command of the menus, the tool bar and the hidden commands.
std::vector<std::string_view> RandomSessionCommands();

// The script of one session. It starts with `autoanswer on`, so every question takes its default, and ends
// by saving the drawing (or with File/Exit, when the session chose it), so the file left behind is what the
// program held. The same spec always gives the same script.
std::string GenerateRandomSession(const RandomSessionSpec& spec);

} // namespace velmora
