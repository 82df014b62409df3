#include "qt/help_window.h"

#include "qt/help_search.h"

#include <QApplication>
#include <QDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {

namespace {

constexpr const char* HelpCaption = "Velmora 11.1 Help";

} // namespace

std::filesystem::path FindHelpFolder(const std::vector<std::filesystem::path>& candidates) {
    std::error_code ec;
    for (const auto& c : candidates)
        if (!c.empty() && std::filesystem::is_directory(c, ec)) return c;
    return candidates.empty() ? std::filesystem::path() : candidates.front();
}

std::vector<std::filesystem::path> HelpFolderCandidates(const std::filesystem::path& home,
                                                        const std::filesystem::path& executableDir) {
    std::vector<std::filesystem::path> out;
#ifdef VELMORA_HELP_DIR
    out.emplace_back(VELMORA_HELP_DIR);
#endif
    if (!home.empty()) out.push_back(home.parent_path() / "help");
    if (!executableDir.empty()) out.push_back(executableDir / "help");
    return out;
}

HelpWindow::HelpWindow(std::filesystem::path folder, QWidget* parent)
    : QWidget(parent, Qt::Window), Folder(std::move(folder)), Find(new QLineEdit(this)),
      View(new QTextBrowser(this)), Frame(parent) {
    setObjectName("HelpWindow");
    setWindowTitle(HelpCaption);
    // Closing the frame ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    Find->setObjectName("HelpSearch");
    Find->setPlaceholderText("Search the help pages");
    Find->setClearButtonEnabled(true);
    connect(Find, &QLineEdit::returnPressed, this, [this] { Search(Find->text()); });
    View->setOpenLinks(true);
    View->setOpenExternalLinks(false);
    View->setSearchPaths({QString::fromStdString(Folder.string())});
    connect(View, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        if (!url.isEmpty()) Page = url.fileName().toStdString();
        UpdateTitle();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Find);
    layout->addWidget(View, 1);
    // Help is read and put away: the keys of any reading window close it.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    resize(760, 620);
}

void HelpWindow::ShowPage(const std::string& page) {
    Page = page;
    const std::filesystem::path file = Folder / page;
    std::error_code ec;
    // A page name never leads out of the help folder.
    const bool plainName = !page.empty() && page.find('/') == std::string::npos && page != "..";
    if (plainName && std::filesystem::is_regular_file(file, ec)) {
        View->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    } else {
        View->setPlainText(QString::fromStdString(
            "The help page \"" + page + "\" is not installed (looked in " + Folder.string() + ")."));
    }
    UpdateTitle();
    BringToFront();
}

void HelpWindow::Search(const QString& text) {
    View->setHtml(SearchResultsPage(Folder, text));
    Page.clear();
    setWindowTitle(QString("%1 - Search: %2").arg(HelpCaption, text.trimmed()));
    BringToFront();
}

// The page's own title, else its file name.
void HelpWindow::UpdateTitle() {
    QString title = ShortPageTitle(View->documentTitle());
    if (title.isEmpty()) title = QString::fromStdString(Page);
    setWindowTitle(title.isEmpty() ? QString(HelpCaption) : QString("%1 - %2").arg(HelpCaption, title));
}

void HelpWindow::BringToFront() {
    StandBesideModalDialog();
    show();
    raise();
    activateWindow();
}

// A modal dialog takes input from every window but its own: help opened from it becomes one of its windows
// while it is open, and goes back to the frame when it closes, keeping its place on the screen.
void HelpWindow::StandBesideModalDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog == parentWidget()) return;
    const QRect place = geometry();
    setParent(dialog, Qt::Window);
    setGeometry(place);
    connect(dialog, &QDialog::finished, this, [this, place = geometry()] {
        const bool shown = isVisible();
        const QRect now = shown ? geometry() : place;
        setParent(Frame, Qt::Window);
        setGeometry(now);
        if (shown) show();
    });
}

} // namespace velmora
