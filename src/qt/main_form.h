// The main frame: caption, menus and tool bar built from the menu table, the status bar `st` with the guide
// line, the cursor read-out `crds` in the tool bar, and the one drawing window. Menu items and tool buttons
// send their handler names to the Program; an item whose command is not there stays disabled.
#pragma once

#include "app/program.h"
#include "qt/drawing_widget.h"
#include "qt/wizard_panels.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QVBoxLayout;

namespace velmora {

inline constexpr const char* FrameCaption = "Velmora 11.1";

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The Program that menu items, tool buttons and the drawing window talk to.
    void Attach(Program* program);
    // Runs work for the Program as every event does: a failure is shown in a message box instead of ending
    // the program, and an exit the work asked for closes the frame.
    void Dispatch(const std::function<void()>& work);
    // A menu command by handler name, as the menu item would run it.
    void RunCommand(const std::string& handler);

    // The status bar: panels 0 (guide line), 1 (pixel size), 2 (tool).
    void SetPanel(int index, const std::string& text);
    std::string Panel(int index) const;
    QLabel* PanelLabel(int index) const;
    QFrame* StatusBar() const { return St; }
    // The guide line's place (1 top of the frame, anything else bottom), its colour and the text colour.
    void ApplyGuide(int position, Colorref colour, Colorref textColour);
    bool GuideAtTop() const { return GuideTop; }

    void SetReadout(const std::string& text);
    // The guided sequence's panels over the workspace.
    void SetWizardPanels(const std::string& step, const std::string& note);
    WizardPanelsOverlay* WizardPanels() const { return Wizard; }
    std::string Readout() const;

    // The first action of a handler (menus first, then the tool bar), or nothing.
    QAction* Action(const std::string& handler) const;
    std::vector<QAction*> Actions(const std::string& handler) const;
    void SetMenuChecked(const std::string& handler, bool checked);
    void SetMenuEnabled(const std::string& handler, bool enabled);
    // The recent drawings in the File menu; entries without a name are hidden.
    void SetRecentFiles(const std::vector<std::string>& names);
    QToolBar* ToolBar() const { return Tools; }

    // The one drawing window.
    TMDIChildWidget* OpenDrawingWindow(const std::string& caption);
    void CloseDrawingWindow();
    TMDIChildWidget* DrawingWindow() const { return Child; }
    void SetWindowCaption(const std::string& caption);
    const std::string& WindowCaption() const { return ChildCaption; }

protected:
    void closeEvent(QCloseEvent* e) override;
    // Keys that reach the frame (nothing in it has the focus) belong to the drawing window when they are
    // its keys; without a window they go to the Program.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void AddAction(const std::string& handler, QAction* action);
    void PlaceStatusBar();
    void ShareStatusBar();
    void UpdateTitle();
    void ShowSaveState();
    void AddContextHelpItem(QMenu* help);

    Program* Prog = nullptr;
    std::map<std::string, std::vector<QAction*>> HandlerActions;
    std::map<QAction*, std::string> ToolHints; // the tool bar buttons' own tips, without the greyed reason
    QToolBar* Tools = nullptr;
    QLabel* Crds = nullptr;
    QFrame* St = nullptr;
    std::array<QLabel*, 3> Panels{};
    bool GuideTop = false;
    QVBoxLayout* Central = nullptr;
    QWidget* Workspace = nullptr;
    TMDIChildWidget* Child = nullptr;
    WizardPanelsOverlay* Wizard = nullptr;
    std::string ChildCaption;
    bool ClosingForExit = false;
};

} // namespace velmora
