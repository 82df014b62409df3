// A session script's world: the Program with the scripted Ui, and a backing image of the window's size as
// the drawing window's picture. Nothing is shown, so it runs without a display.
#pragma once

#include "app/app_state.h"
#include "app/program.h"
#include "app/session_script.h"
#include "platform/scripted_ui.h"
#include "qt/backing_image.h"

#include <filesystem>
#include <ostream>

namespace velmora {

class HeadlessHost : public ScriptHost {
public:
    HeadlessHost(const std::filesystem::path& home, Size client, std::ostream& transcript);
    ~HeadlessHost() override;

    // The frame's start-up, as the window does it (the start-up timer runs when the script first idles).
    void Start();
    Program& GetProgram() { return *Prog; }
    AppState& State() { return S; }
    BackingImage& Backing() { return Picture; }

    // The whole client area as a full repaint draws it (rubber bands are not part of it).
    QImage RenderView();

    ScriptedUi& ScriptUi() override { return Ui; }
    bool RunCommand(const std::string& handler) override;
    void Key(const KeyEvent& key) override;
    void Mouse(MouseAction action, std::optional<MouseButton> button, Point pixel) override;
    bool SaveView(const std::filesystem::path& file) override;
    std::filesystem::path HomeFolder() const override { return Home; }

    // Why the last SaveView failed.
    const std::string& SaveError() const { return LastSaveError; }

private:
    std::filesystem::path Home;
    AppState S;
    ScriptedUi Ui;
    BackingImage Picture;
    std::unique_ptr<Program> Prog;
    std::string LastSaveError;
};

} // namespace velmora
