// A drawing window without a screen: a home folder with CFG and DWGS, the program state, the scripted Ui with
// a recording canvas as the window's picture, and a window opened on a saved drawing. Metric unless asked.
#pragma once

#include "app/app_state.h"
#include "app/drawing_store.h"
#include "app/program.h"
#include "model/drawing_objects.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_ui.h"
#include "support/test_support.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"
#include "view/drawing_window.h"

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

namespace velmora::test {

struct WindowFixture {
    TempDir Home;
    std::ostringstream Transcript;
    ScriptedUi Ui{Transcript};
    RecordingCanvas Picture;
    AppState S;
    std::unique_ptr<TMDIChild> Window;

    explicit WindowFixture(Size client = {800, 400}, int metricFlag = 1) {
        std::filesystem::create_directories(Home.Path / "CFG");
        std::filesystem::create_directories(Home.Path / "DWGS");
        S.HomePath = Home.Path;
        S.DrawingName = "TEST";
        S.MetricFlag = metricFlag;
        S.SetUnitsFromMetricFlag();
        S.SheetWidth = 5000;
        S.SheetHeight = 2500;
        Ui.SetClientSize(client);
        Ui.SetWindowCanvas(&Picture);
        Ui.OpenDrawingWindow("-");
        Ui.SetPaintHandler([this](const Rect& r) {
            if (Window) Window->OnPaint(Picture, r);
        });
        for (int i = 0; i < 6; ++i)
            S.DrawingObjects.Append(MakeObjectOfKind(32000 + i));
        for (int i = 0; i < 6; ++i)
            S.DrawingObjects.At(i)->View = 120 + i;
        InstallTool(S, Ui, ModePick);
    }

    void Cfg(const std::string& name, const std::string& text) { WriteFile(Home.Path / "CFG" / name, text); }
    std::string ReadCfg(const std::string& name) { return ReadFile(Home.Path / "CFG" / name); }
    std::filesystem::path DrawingPath() { return Home.Path / "DWGS" / "TEST.BMS"; }

    // Saves the list as the working file and opens the window on the view, set up as a view just opened.
    TMDIChild& Open(int view = ViewGround) {
        S.CurrentView = view;
        SaveDrawing(S, ModeWorking);
        S.DrawingReady = 2;
        S.ZoomState = 2;
        Window = std::make_unique<TMDIChild>(S, Ui);
        Window->SetupView(1);
        return *Window;
    }

    // A plain frame: origin (orgX, orgY) logical, one logical unit per pixel, so that logical
    // (x, y) is pixel (x - orgX, clientHeight - (y - orgY)).
    void UnitFrame(int orgX, int orgY) {
        const Size c = Ui.ClientSize();
        S.ZoomFactor = 1.0f;
        S.ViewOrgX = orgX, S.ViewOrgY = orgY;
        S.ViewExtX = c.Width, S.ViewExtY = c.Height;
    }

    TDrawingtool& Tool() { return *S.CurrentTool; }

    void AddExtwall(int view, int x1, int y1, int x2, int y2) {
        auto w = std::make_unique<TExtwallobj>();
        w->View = view;
        w->X1 = x1, w->Y1 = y1, w->X2 = x2, w->Y2 = y2;
        w->Angle = x1 == x2 ? 1800 : 900;
        S.DrawingObjects.Append(std::move(w));
    }
};

} // namespace velmora::test
