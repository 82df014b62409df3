// Help: the page of each menu area, the Help menu's own pages and the About box. Pages are shown by the Ui
// (an external viewer in the Qt front end); only their names are fixed here.
#pragma once

#include "app/app_state.h"
#include "dialogs/dialog.h"
#include "platform/ui.h"

#include <string>

namespace velmora {

inline constexpr const char* ProgramTitle = "Velmora 11.1";

// The page for the menu area of the last command (LastCommand); unknown areas get the basics page.
std::string ContextHelpPage(int lastCommand);

// F1 in the drawing window: the page of the last command.
void ShowContextHelp(const AppState& state, Ui& ui);
// The context help action (CmContextExecute): the same, once a drawing is open.
void CmContextExecute(const AppState& state, Ui& ui);

// The About box.
DialogDescription AboutDialog();

// Help menu items that show one page: the page of a handler and the menu area it records in LastCommand
// (0 when it records none); false for a handler that is not such an item.
struct HelpMenuPage {
    const char* Handler;
    const char* Page;
    int Area;
};
const HelpMenuPage* FindHelpMenuPage(std::string_view handler);
// Shows the page of a Help menu item.
void ShowHelpMenuPage(AppState& state, Ui& ui, const HelpMenuPage& item);

} // namespace velmora
