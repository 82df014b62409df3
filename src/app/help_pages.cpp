#include "app/help_pages.h"

#include <array>

namespace velmora {

namespace {

struct AreaPage {
    int Area;
    const char* Page;
};

constexpr std::array<AreaPage, 28> ContextPages{{
    {500, "content.htm"},    {400, "qstart.htm"},   {107, "qstart.htm"},     {101, "examplewall.htm"},
    {102, "exampledrm.htm"}, {105, "function.htm"}, {109, "dlg.htm"},        {110, "hint.htm"},
    {200, "file.htm"},       {210, "view.htm"},     {220, "zoom.htm"},       {230, "edit.htm"},
    {240, "tools.htm"},      {241, "tools.htm"},    {242, "tools.htm"},      {251, "extwall.htm"},
    {252, "base.htm"},       {253, "intwall.htm"},  {254, "adjustwall.htm"}, {260, "droom.htm"},
    {280, "other.htm"},      {290, "windoor.htm"},  {310, "custom.htm"},     {330, "library.htm"},
    {390, "library.htm"},    {350, "screen.htm"},   {360, "print.htm"},      {380, "glossary.htm"},
}};

// The Help menu's pages. The two examples and the basics record their own help area, so F1 afterwards
// returns to the page the user was reading; Terminology records the terminology area.
constexpr std::array<HelpMenuPage, 7> HelpMenuPages{{
    {"CmQuickstartExecute", "qstart.htm", 107},
    {"CmIndexExecute", "contents.htm", 0},
    {"CmExamplewallExecute", "examplewall.htm", 101},
    {"CmExampledrmExecute", "exampledrm.htm", 102},
    {"CmDesroomExecute", "droom.htm", 0},
    {"CmExternwallExecute", "extwall.htm", 0},
    {"CmTerminology1Execute", "glossary.htm", 380},
}};

} // namespace

std::string ContextHelpPage(int lastCommand) {
    for (const AreaPage& entry : ContextPages)
        if (entry.Area == lastCommand) return entry.Page;
    return "qstart.htm";
}

void ShowContextHelp(const AppState& state, Ui& ui) {
    ui.ShowHelp(ContextHelpPage(state.LastCommand));
}

void CmContextExecute(const AppState& state, Ui& ui) {
    if (state.DrawingReady < 2) {
        ui.Message("", "You must open a drawing FILE first");
        return;
    }
    ShowContextHelp(state, ui);
}

DialogDescription AboutDialog() {
    DialogDescription d;
    d.Caption = "About";
    for (const char* line : {ProgramTitle, "floor plans for houses, drawn to scale"}) {
        DialogField f;
        f.Label = line;
        f.Kind = FieldKind::Static;
        d.Fields.push_back(f);
    }
    DialogButton ok;
    ok.Caption = "O K";
    d.Buttons.push_back(ok);
    return d;
}

const HelpMenuPage* FindHelpMenuPage(std::string_view handler) {
    for (const HelpMenuPage& item : HelpMenuPages)
        if (handler == item.Handler) return &item;
    return nullptr;
}

void ShowHelpMenuPage(AppState& state, Ui& ui, const HelpMenuPage& item) {
    if (item.Area != 0) state.LastCommand = item.Area;
    ui.ShowHelp(item.Page);
}

} // namespace velmora
