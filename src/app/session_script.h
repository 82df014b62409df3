// Session scripts: a user's session written down, one action a line, replayed against the program with the
// scripted Ui. docs/scripting.md describes the language; this is its parser and its runner.
#pragma once

#include "platform/keys.h"
#include "platform/scripted_ui.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class MouseButton; // app/program.h: Left, Right
enum class MouseAction { Down, Up, Move };

// What a script drives: the program with its scripted Ui. The program's start-up belongs to the host and
// happens before the script runs; its timers run when the script lets the program idle.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;
    virtual ScriptedUi& ScriptUi() = 0;
    // Runs the menu command of that handler name (CmFilenewExecute ...); false when there is none.
    virtual bool RunCommand(const std::string& handler) = 0;
    // A key pressed in the drawing window; the script named it as KeyFromName reads names.
    virtual void Key(const KeyEvent& key) = 0;
    // A mouse event in the drawing window, client pixels, y down. The runner has already put the Ui's cursor
    // there, as the pointer would be; a click arrives as Down then Up. A move names the button held, if any.
    virtual void Mouse(MouseAction action, std::optional<MouseButton> button, Point pixel) = 0;
    // Writes the window's client area as a picture; false when it could not be written.
    virtual bool SaveView(const std::filesystem::path& file) = 0;
    // Relative paths in scripts (expect file, save-view) are taken from here.
    virtual std::filesystem::path HomeFolder() const = 0;
};

enum class ActionKind { Answer, AutoAnswer, Run, Key, Mouse, Expect, SaveView };
enum class ExpectKind {
    Panel,
    Message,
    Caption,
    File,
    Cursor,
    Help,
    Checked,
    Enabled,
    Recent,
    Readout,
    Wizard,
    WizardNote,
    WizardShown
};

struct ScriptAction {
    ActionKind Kind = ActionKind::Run;
    int Line = 0;
    std::string Text;    // the line as written, without its comment
    ScriptAnswer Answer; // Answer
    std::string
        Name;     // Run: handler; Key: key name; SaveView, expect file: path; expect checked/enabled: handler
    KeyEvent Key; // Key
    // Mouse
    MouseAction Mouse = MouseAction::Move;
    bool Click = false;
    std::optional<MouseButton> Button;
    Point At; // Mouse, expect cursor
    // Expect
    ExpectKind Expect = ExpectKind::Panel;
    int Index = 0;        // expect panel N, expect recent N (1 = the first entry)
    std::string Expected; // the text expected
    bool On = true;       // expect file: exists; expect checked/enabled: on; autoanswer on
};

struct ScriptResult {
    bool Ok = true;
    int Line = 0;        // the line that failed; 0 when none
    std::string Message; // "line 7 (key Right): ..." on failure
};

struct ParsedScript {
    std::vector<ScriptAction> Actions;
    ScriptResult Error; // Ok unless a line could not be read
};

ParsedScript ParseScript(std::string_view text);
// Runs the actions in order and stops at the first failure. Before every action but an answer the program
// idles (timers, painting), as the event loop would between two things the user does. At the end an answer
// nobody asked for is a failure too.
ScriptResult RunScript(const std::vector<ScriptAction>& actions, ScriptHost& host);
ScriptResult RunScriptText(std::string_view text, ScriptHost& host);
ScriptResult RunScriptFile(const std::filesystem::path& file, ScriptHost& host);

} // namespace velmora
