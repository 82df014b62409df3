#include "tools/text_commands.h"

#include "app/customise_commands.h"
#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"
#include "app/undo_store.h"
#include "dialogs/text_dialogs.h"
#include "tools/text_tool.h"
#include "tools/tool_install.h"

#include <memory>

namespace velmora {

namespace {

struct LastText {
    bool Centred = true;
    bool Horizontal = true;
};

// A missing or unreadable file presets a horizontal centred text.
LastText ReadLastText(const AppState& s) {
    const auto v = ReadSettingsInts(s.HomePath, "LASTTEXT.CFG", 2);
    if (!v) return {};
    return {(*v)[0] != 0, (*v)[1] != 0};
}

void WriteLastText(const AppState& s, Ui& ui, int placement, int angle) {
    std::string error;
    if (!WriteSettingsLine(s.HomePath, "LASTTEXT.CFG", error, "%d %d", placement == 1 ? 1 : 0,
                           angle == 0 ? 1 : 0))
        ui.Message("", "Error: the setting was not saved\n" + error, MessageKind::Error);
}

} // namespace

void CmTextExecute(AppState& s, Ui& ui) {
    if (s.DrawingReady != 2 || s.CurrentView == 80) return;
    if (s.CurrentView >= 200) {
        ui.Message("", "You cannot put text on house or walkthrough view");
        return;
    }
    s.LastCommand = 242;
    ui.SetPanel(2, " Text");
    if (s.SaveState == 0) s.SaveState = 1;
    RecordUndo(s, ui);
    const TextSettings font = ReadTextDefaults(s);
    auto tool = std::make_unique<TTextobjtool>(s, ui);
    TTextobjtool& t = *tool;
    s.CurrentTool = std::move(tool);
    t.TextHeight = font.Size;
    t.TextWeight = font.Weight;
    WriteDrawing(s, ui, ModeWorking);
    const LastText last = ReadLastText(s);
    DialogDescription d = TTTextdlg::Make(last.Centred, last.Horizontal);
    if (!RunAccepted(ui, d)) {
        ReturnToPickTool(s, ui);
        return;
    }
    const int placement = TTTextdlg::Placement(d);
    const int angle = TTTextdlg::Angle(d);
    WriteLastText(s, ui, placement, angle);
    if (placement == 1) {
        ui.SetPanel(
            0, "GUIDE: click LEFT button on TEXT centre point - OR click on the Centre Centre icon if it "
               "will help to position the text");
    } else {
        t.Mode = ModeTypedText;
        ui.SetPanel(0, "GUIDE: Press LEFT button on TEXT starting point - then type away - press Enter when "
                       "finished ");
    }
    // Upright centred text is anchored on its centre line.
    t.HitIndex = placement == 1 && angle == 2700 ? 6 : placement;
    t.HitKind = angle;
}

} // namespace velmora
