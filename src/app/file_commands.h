// The commands of the File menu that create, open, save and switch drawings, by handler name.
#pragma once

#include "app/command_registry.h"

namespace velmora {

class Program;

void RegisterFileCommands(Program& program, CommandRegistry& commands);

} // namespace velmora
