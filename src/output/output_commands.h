// The print and picture commands by handler name, for the frame's command registry.
#pragma once

namespace velmora {

class Program;
class CommandRegistry;

void RegisterOutputCommands(Program& program, CommandRegistry& commands);

} // namespace velmora
