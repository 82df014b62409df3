// The pictures of the tool bar buttons and menu items: Velmora's own SVG drawings, built into the program,
// and the desktop theme's icons for the actions every program has (new, open, save, undo, print, help).
#pragma once

#include <QIcon>

#include <string_view>

namespace velmora {

// The resource path of an icon name's own drawing (":/icons/door.svg").
QString OwnIconPath(std::string_view name);
// Whether Velmora has its own drawing for the icon name.
bool HasOwnIcon(std::string_view name);

// The icon for a tool button's icon name (menu_table.h): the theme's icon for a generic action, else
// Velmora's own drawing; an unknown name gets a plain marked square.
QIcon ToolIcon(std::string_view name);

// The icon of a menu item, by its command's handler name: the generic actions have one (the theme's, with
// Velmora's own drawing where the theme has none); every other item has none.
QIcon MenuIcon(std::string_view handler);

// The freedesktop icon name of a generic action's icon name or handler ("document-save"), or "".
std::string_view ThemeIconName(std::string_view nameOrHandler);

} // namespace velmora
