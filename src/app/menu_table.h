// The main frame's menus and tool bar as data. The Qt front end builds its menu bar and tool bar from these
// tables and sends each item's handler name to Program::RunCommand; session scripts name commands the same
// way. An item whose command is not built yet stands in the menu, disabled, so the frame always shows the
// whole program and never offers a command that would do nothing.
#pragma once

#include <string_view>
#include <vector>

namespace velmora {

struct MenuItem {
    std::string_view Name;     // the item's own name (FileNewItem ...); "" where it has none of its own
    std::string_view Caption;  // "-" is a separator
    std::string_view Handler;  // the command's handler name; "" for a separator
    std::string_view Shortcut; // "Ctrl+N" or ""
    bool Built = false;        // false: shown disabled, RunCommand refuses it
    std::string_view Submenu;  // the caption of the submenu the item stands in, or ""

    bool IsSeparator() const { return Handler.empty(); }
};

struct Menu {
    std::string_view Caption;
    std::vector<MenuItem> Items;
};

struct ToolButton {
    std::string_view Caption;
    std::string_view Handler;
    std::string_view Hint; // the tool tip; the guide line is never overwritten by it
    std::string_view Icon; // a short icon name the front end maps to a picture
    bool Built = false;
};

// Commands that exist without a menu item: the File menu's opening and the context help action.
struct HiddenCommand {
    std::string_view Handler;
    bool Built = false;
};

const std::vector<Menu>& MenuTable();
const std::vector<ToolButton>& ToolBarTable();
const std::vector<HiddenCommand>& HiddenCommandTable();

// The first menu item with this handler, or nothing.
const MenuItem* FindMenuItem(std::string_view handler);
// Whether any table (menu, tool bar, hidden) names this handler, and whether its command is built.
bool IsKnownHandler(std::string_view handler);
bool IsBuiltHandler(std::string_view handler);
// Every handler the tables name, once each, in table order.
std::vector<std::string_view> AllHandlers();

} // namespace velmora
