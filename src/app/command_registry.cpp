#include "app/command_registry.h"

namespace velmora {

void CommandRegistry::Add(std::string_view handler, Command command) {
    Commands[std::string(handler)] = std::move(command);
}

const CommandRegistry::Command* CommandRegistry::Find(std::string_view handler) const {
    const auto it = Commands.find(handler);
    return it == Commands.end() ? nullptr : &it->second;
}

} // namespace velmora
