#include "qt/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {

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
    : QWidget(parent, Qt::Window), Folder(std::move(folder)), View(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Velmora 11.1 Help");
    // Closing the frame ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    View->setOpenLinks(true);
    View->setOpenExternalLinks(false);
    View->setSearchPaths({QString::fromStdString(Folder.string())});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(View);
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
    setWindowTitle(QString::fromStdString("Velmora 11.1 Help - " + page));
    show();
    raise();
    activateWindow();
}

} // namespace velmora
