#include "qt/main_form.h"

#include "app/menu_table.h"
#include "qt/key_mapping.h"
#include "qt/tool_icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// The status panels' widths in the empty frame, and their shares of the bar once a drawing is open. Both
// are what the panels take when there is room: a narrow frame shrinks them, down to PanelMinimum, so the
// frame fits a small screen and the bar stays whole.
constexpr std::array<int, 3> PanelWidths{600, 90, 50};
constexpr std::array<int, 3> DrawingPanelShares{8, 1, 1};
constexpr int PanelMinimum = 16;
constexpr int ShortPanelLimit = 200; // a short panel never claims more, however long its text
constexpr int ReadoutWidth = 330;

// A status panel whose preferred width is its own, not its text's: a long guide line is cut, never
// widening the frame.
class StatusPanel : public QLabel {
public:
    StatusPanel(int preferredWidth, QWidget* parent) : QLabel(parent), Preferred(preferredWidth) {
        setMinimumWidth(PanelMinimum);
    }
    QSize sizeHint() const override { return {Preferred, QLabel::sizeHint().height()}; }

private:
    int Preferred;
};

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A menu's caption with its Alt letter: the first letter of the caption that no menu before it took.
QString WithAltLetter(std::string_view caption, QString& taken) {
    QString text = Q(caption);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i].toLower();
        if (!c.isLetter() || taken.contains(c)) continue;
        taken += c;
        return text.insert(i, '&');
    }
    return text;
}

// Menu items whose command asks something in a dialog or chooser before it acts end in "...", as on any
// desktop, where the item's own caption does not say so already.
constexpr std::array<std::string_view, 18> AsksFirst{
    "CmFilenewExecute",    "CmFileopenExecute",  "CmSaveasExecute",       "CmPngExecute",
    "CmPrintcalExecute",   "CmSpecsExecute",     "ScalePercentage1Click", "ZoomStyle2Click",
    "CmZoomstyle1Execute", "CmLinestyleExecute", "CmDefclrsExecute",      "CmDefroomclrsExecute",
    "CmDefmergeExecute",   "CmDefrmtextExecute", "CmDefdimensExecute",    "CmDeflytgridExecute",
    "CmGuideLineExecute",  "CmTitle2DExecute",
};

// The desktop's usual keys for items that have none of their own.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> StandardKeys{{
    {"CmSaveasExecute", "Ctrl+Shift+S"},
    {"CmExitExecute", "Ctrl+Q"},
}};

// The item that shows the drawing window's F1 in the Help menu: the key stays the window's, so the item
// only names it.
constexpr const char* ContextHelpCaption = "Help on this Step";

std::string_view StandardKey(std::string_view handler) {
    for (const auto& [h, keys] : StandardKeys)
        if (h == handler) return keys;
    return {};
}

QString MenuCaption(const MenuItem& item) {
    QString caption = Q(item.Caption);
    const bool asks = std::find(AsksFirst.begin(), AsksFirst.end(), item.Handler) != AsksFirst.end();
    if (asks && !caption.endsWith("...")) caption += "...";
    return caption;
}

// A greyed button says why it is greyed.
QString ToolTipFor(std::string_view hint, bool enabled) {
    if (enabled) return Q(hint);
    return Q(hint) + " (not available in this version)";
}

QString CssColour(Colorref c) {
    return QString("rgb(%1, %2, %3)").arg(RedOf(c)).arg(GreenOf(c)).arg(BlueOf(c));
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TMainForm");
    setWindowTitle(FrameCaption);
    BuildMenus();
    BuildToolBar();

    auto* central = new QWidget(this);
    Central = new QVBoxLayout(central);
    Central->setContentsMargins(0, 0, 0, 0);
    Central->setSpacing(0);
    // The empty frame shows the dark workspace a drawing window stands on.
    Workspace = new QWidget(central);
    Workspace->setObjectName("Workspace");
    Workspace->setAutoFillBackground(true);
    QPalette dark = Workspace->palette();
    dark.setColor(QPalette::Window, QColor(128, 128, 128));
    Workspace->setPalette(dark);
    auto* workspaceLayout = new QVBoxLayout(Workspace);
    workspaceLayout->setContentsMargins(0, 0, 0, 0);
    Central->addWidget(Workspace, 1);
    Wizard = new WizardPanelsOverlay(Workspace);
    setCentralWidget(central);
    BuildStatusBar();
    ApplyGuide(3, Rgb(255, 255, 192), 0);
    resize(1024, 700);
}

TMainForm::~TMainForm() {
    if (Child) Child->Attach(nullptr, {});
}

void TMainForm::Attach(Program* program) {
    Prog = program;
    if (Child) Child->Attach(program, [this](const std::function<void()>& w) { Dispatch(w); });
}

void TMainForm::AddAction(const std::string& handler, QAction* action) {
    HandlerActions[handler].push_back(action);
    connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
}

void TMainForm::BuildMenus() {
    QString altLetters;
    for (const Menu& menu : MenuTable()) {
        QMenu* m = menuBar()->addMenu(WithAltLetter(menu.Caption, altLetters));
        std::map<std::string_view, QMenu*> submenus;
        for (const MenuItem& item : menu.Items) {
            if (item.IsSeparator()) {
                m->addSeparator();
                continue;
            }
            QMenu* into = m;
            if (!item.Submenu.empty()) {
                QMenu*& sub = submenus[item.Submenu];
                if (!sub) sub = m->addMenu(Q(item.Submenu));
                into = sub;
            }
            QAction* a = into->addAction(MenuIcon(item.Handler), MenuCaption(item));
            a->setObjectName(Q(item.Name));
            const std::string_view keys = item.Shortcut.empty() ? StandardKey(item.Handler) : item.Shortcut;
            if (!keys.empty()) a->setShortcut(QKeySequence(Q(keys)));
            a->setEnabled(item.Built);
            // The recent entries show only once they have a drawing's name.
            if (item.Caption.empty()) a->setVisible(false);
            AddAction(std::string(item.Handler), a);
        }
        if (menu.Caption == "Help") AddContextHelpItem(m);
    }
}

// Shown before the About item, as Help menus have it. "\tF1" shows the key without taking it from the
// drawing window, whose F1 reads the step the user is at.
void TMainForm::AddContextHelpItem(QMenu* help) {
    const QList<QAction*> items = help->actions();
    QAction* before = items.size() >= 2 ? items[items.size() - 2] : nullptr;
    auto* a = new QAction(QString(ContextHelpCaption) + "\tF1", help);
    a->setObjectName("ContextHelpItem");
    help->insertAction(before, a);
    a->setEnabled(IsBuiltHandler("CmContextExecute"));
    AddAction("CmContextExecute", a);
}

void TMainForm::BuildToolBar() {
    Tools = addToolBar("Tools");
    Tools->setObjectName("ToolBar");
    Tools->setMovable(false);
    Tools->setIconSize(QSize(24, 24));
    for (const ToolButton& b : ToolBarTable()) {
        QAction* a = Tools->addAction(ToolIcon(b.Icon), Q(b.Caption));
        a->setToolTip(ToolTipFor(b.Hint, b.Built));
        a->setEnabled(b.Built);
        ToolHints[a] = std::string(b.Hint);
        AddAction(std::string(b.Handler), a);
    }
    Tools->addSeparator();
    Crds = new QLabel(Tools);
    Crds->setObjectName("crds");
    Crds->setFrameShape(QFrame::Panel);
    Crds->setFrameShadow(QFrame::Sunken);
    Crds->setMinimumWidth(ReadoutWidth);
    Crds->setContentsMargins(4, 0, 4, 0);
    Crds->setToolTip("shows cursor position |");
    Tools->addWidget(Crds);
}

void TMainForm::BuildStatusBar() {
    St = new QFrame(this);
    St->setObjectName("st");
    St->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(St);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        auto* label = new StatusPanel(PanelWidths[i], St);
        label->setObjectName(QString("panel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 1, 4, 1);
        // The last panel takes what the others leave.
        if (i + 1 < Panels.size()) label->setMaximumWidth(PanelWidths[i]);
        row->addWidget(label, i + 1 == Panels.size() ? 1 : 0);
        Panels[i] = label;
    }
    PlaceStatusBar();
}

void TMainForm::PlaceStatusBar() {
    Central->removeWidget(St);
    Central->insertWidget(GuideTop ? 0 : Central->count(), St);
}

void TMainForm::ApplyGuide(int position, Colorref colour, Colorref textColour) {
    GuideTop = position == 1;
    St->setStyleSheet(QString("QFrame#st { background-color: %1; } QFrame#st QLabel { color: %2; }")
                          .arg(CssColour(colour), CssColour(textColour)));
    PlaceStatusBar();
}

void TMainForm::SetPanel(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(Panels.size())) return;
    QLabel* panel = Panels[static_cast<std::size_t>(index)];
    panel->setText(QString::fromStdString(text));
    // The scale and tool panels are short and read whole (" pixel = 25 mm." was cut to "mn" on a frame
    // 1000 pixels wide); only the guide line gives way when the bar is narrow.
    if (index > 0) {
        const QMargins m = panel->contentsMargins();
        const int whole = panel->fontMetrics().horizontalAdvance(panel->text()) + m.left() + m.right() +
                          2 * panel->frameWidth();
        panel->setMinimumWidth(std::max(PanelMinimum, std::min(whole, ShortPanelLimit)));
    }
}

std::string TMainForm::Panel(int index) const {
    if (index < 0 || index >= static_cast<int>(Panels.size())) return {};
    return Panels[static_cast<std::size_t>(index)]->text().toStdString();
}

QLabel* TMainForm::PanelLabel(int index) const {
    if (index < 0 || index >= static_cast<int>(Panels.size())) return nullptr;
    return Panels[static_cast<std::size_t>(index)];
}

void TMainForm::SetReadout(const std::string& text) {
    Crds->setText(QString::fromStdString(text));
}

void TMainForm::SetWizardPanels(const std::string& step, const std::string& note) {
    Wizard->SetTexts({step, note});
}

std::string TMainForm::Readout() const {
    return Crds->text().toStdString();
}

std::vector<QAction*> TMainForm::Actions(const std::string& handler) const {
    const auto it = HandlerActions.find(handler);
    return it == HandlerActions.end() ? std::vector<QAction*>{} : it->second;
}

QAction* TMainForm::Action(const std::string& handler) const {
    const auto all = Actions(handler);
    return all.empty() ? nullptr : all.front();
}

void TMainForm::SetMenuChecked(const std::string& handler, bool checked) {
    for (QAction* a : Actions(handler)) {
        a->setCheckable(true);
        a->setChecked(checked);
    }
}

void TMainForm::SetMenuEnabled(const std::string& handler, bool enabled) {
    for (QAction* a : Actions(handler)) {
        a->setEnabled(enabled);
        if (const auto hint = ToolHints.find(a); hint != ToolHints.end())
            a->setToolTip(ToolTipFor(hint->second, enabled));
    }
}

void TMainForm::SetRecentFiles(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < 3; ++i) {
        QAction* a = Action("CmLast" + std::to_string(i + 1) + "Execute");
        if (!a) continue;
        const std::string name = i < names.size() ? names[i] : std::string();
        // Numbered as desktop programs number them, the number its Alt key; an "&" in a name stays an "&".
        a->setText(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(name).replace("&", "&&")));
        a->setVisible(!name.empty());
    }
}

void TMainForm::Dispatch(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, FrameCaption, QString("The command failed: ") + e.what());
    }
    ShowSaveState();
    if (Prog && Prog->ExitRequested() && !ClosingForExit) {
        ClosingForExit = true;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void TMainForm::RunCommand(const std::string& handler) {
    Dispatch([this, handler] {
        if (Prog) Prog->RunCommand(handler);
    });
    if (Child) Child->Area()->update();
}

TMDIChildWidget* TMainForm::OpenDrawingWindow(const std::string& caption) {
    CloseDrawingWindow();
    Child = new TMDIChildWidget(Workspace);
    Workspace->layout()->addWidget(Child);
    Child->Attach(Prog, [this](const std::function<void()>& w) { Dispatch(w); });
    Child->show();
    // Lay the window out now, from the frame down, so that the core reads the real client size while it
    // sets up the view.
    layout()->activate();
    centralWidget()->layout()->activate();
    Workspace->layout()->activate();
    Child->layout()->activate();
    Child->Area()->setFocus();
    if (Wizard->Texts().Shown()) Wizard->raise();
    ChildCaption = caption;
    UpdateTitle();
    ShareStatusBar();
    return Child;
}

// A drawing's panels share the status bar's width, the guide line most of it, at any width of the frame.
void TMainForm::ShareStatusBar() {
    auto* row = static_cast<QHBoxLayout*>(St->layout());
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        Panels[i]->setMaximumWidth(QWIDGETSIZE_MAX);
        Panels[i]->setSizePolicy(QSizePolicy::Ignored, Panels[i]->sizePolicy().verticalPolicy());
        row->setStretchFactor(Panels[i], DrawingPanelShares[i]);
    }
}

void TMainForm::CloseDrawingWindow() {
    if (!Child) return;
    // The window may be closing from inside one of its own events: it goes once that event is over.
    Child->Attach(nullptr, {});
    Child->hide();
    Child->deleteLater();
    Child = nullptr;
    ChildCaption.clear();
    UpdateTitle();
}

void TMainForm::SetWindowCaption(const std::string& caption) {
    ChildCaption = caption;
    UpdateTitle();
}

// The drawing window fills the frame, so its caption joins the frame's, as a maximised child's does. The
// "[*]" shows the desktop's mark of unsaved changes while the drawing has them.
void TMainForm::UpdateTitle() {
    if (Child)
        setWindowTitle(QString::fromStdString(std::string(FrameCaption) + " - [" + ChildCaption + "][*]"));
    else
        setWindowTitle(FrameCaption);
    ShowSaveState();
}

// Every event ends here (Dispatch), so the mark follows each change and each save.
void TMainForm::ShowSaveState() {
    setWindowModified(Child && Prog && Prog->State().DrawingReady == 2 && Prog->State().SaveState == 1);
}

// The window takes the key straight, never as an event sent back down to it: a key it passed up (a
// shortcut of a disabled item, Ctrl+Q) would otherwise go round between the two until the stack ran out.
// Without a window the Program still hears the drawing keys (F1 says a drawing must be opened first).
void TMainForm::keyPressEvent(QKeyEvent* e) {
    if (Child && Child->isVisible()) {
        Child->Area()->setFocus();
        if (Child->TakeKey(*e)) return;
    } else if (const auto key = KeyEventFromQt(e->key(), e->modifiers(), e->text()); key && Prog) {
        Dispatch([this, &key] { Prog->KeyDown(*key); });
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    bool mayClose = true;
    ClosingForExit = true; // the exit sequence runs here; Dispatch must not close the frame a second time
    if (Prog && !Prog->ExitRequested()) Dispatch([this, &mayClose] { mayClose = Prog->CloseRequested(); });
    if (mayClose) {
        e->accept();
    } else {
        ClosingForExit = false;
        e->ignore();
    }
}

} // namespace velmora
