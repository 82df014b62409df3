// The pictures of the tool bar buttons, drawn at run time so that no picture files need installing.
#pragma once

#include <QIcon>

#include <string_view>

namespace velmora {

// The icon for a tool button's icon name (menu_table.h); an unknown name gets a plain marked square.
QIcon ToolIcon(std::string_view name);

} // namespace velmora
