#include "tools/tool_install.h"

#include "building/design_room_tool.h"
#include "building/external_wall_tool.h"
#include "building/internal_wall_tool.h"
#include "tools/arc_tool.h"
#include "tools/circle_tool.h"
#include "tools/drawing_tool.h"
#include "tools/ellipse_tool.h"
#include "tools/line_tool.h"
#include "tools/text_tool.h"

#include <memory>

namespace velmora {

namespace {

// Kinds whose tools (move, copy, walls, openings) come with the
// commands that use them. Until a kind's class is added to MakeTool it installs the pick tool.
bool IsPendingKind(int kind) {
    switch (kind) {
    case 14:
    case 78:
    case 15:
    case 200:
        return true;
    default:
        return false;
    }
}

// The tools of the drafting kinds other than lines; nothing for a kind that installs a line tool.
std::unique_ptr<TDrawingtool> MakeDraftingTool(AppState& state, Ui& ui, int kind) {
    switch (kind) {
    case 3:
        return std::make_unique<TArcobjtool>(state, ui);
    case 4:
    case 24: {
        auto text = std::make_unique<TTextobjtool>(state, ui);
        text->Mode = kind;
        return text;
    }
    case 5:
        return std::make_unique<TEllipseobjtool>(state, ui);
    case 6:
        return std::make_unique<TCircleobjtool>(state, ui);
    case ModeExtWall:
        return std::make_unique<TExtwallobjtool>(state, ui);
    case ModeInWall:
        return std::make_unique<TInwallobjtool>(state, ui);
    case 29000:
    case 29001:
        return std::make_unique<TDRoomobjtool>(state, ui, kind);
    default:
        return nullptr;
    }
}

void InstallPickTool(AppState& state, Ui& ui) {
    state.CurrentTool = std::make_unique<TLineobjtool>(state, ui, ModePick);
    ui.SetPanel(0, "GUIDE: pick tool");
    ui.SetPanel(2, "pick tool");
}

} // namespace

bool ToolKindAvailable(int kind) {
    return !IsPendingKind(kind);
}

bool ToolEditsAvailable(int kind) {
    return kind != ModeExtWall && kind != ModeInWall && ToolKindAvailable(kind);
}

void InstallTool(AppState& state, Ui& ui, int kind) {
    // The old tool goes first and silently: its rubber band, if any, is left for the next repaint.
    state.CurrentTool.reset();
    if (kind == 20 || kind == ModePick || IsPendingKind(kind)) {
        InstallPickTool(state, ui);
        return;
    }
    if ((state.CurrentTool = MakeDraftingTool(state, ui, kind))) return;
    const bool keepsKind = kind == ModePlainLine || kind == 22 || kind == ModeSelectForEdit;
    state.CurrentTool = std::make_unique<TLineobjtool>(state, ui, keepsKind ? kind : ModePlainLine);
}

void ReturnToPickTool(AppState& state, Ui& ui) {
    state.CurrentTool = std::make_unique<TLineobjtool>(state, ui, ModePick);
    state.LastCommand = 500;
    ui.SetPanel(2, " pick tool");
    ui.SetPanel(0, "GUIDE: Select a function or drawing tool");
}

} // namespace velmora
