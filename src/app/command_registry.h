// The commands of the program by handler name: what a menu item, a tool-bar button or a script's `run`
// line starts.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace velmora {

class CommandRegistry {
public:
    using Command = std::function<void()>;

    void Add(std::string_view handler, Command command);
    // The command of a handler, or null when none is registered.
    const Command* Find(std::string_view handler) const;
    bool Contains(std::string_view handler) const { return Find(handler) != nullptr; }

private:
    std::map<std::string, Command, std::less<>> Commands;
};

} // namespace velmora
