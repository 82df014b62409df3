// The help pages, shown inside the program: one window with a browser on the help folder, raised on the page
// asked for, with a search box over every page. Links between pages work as in any browser. Help asked for
// from a modal dialog stands beside that dialog and takes input while it is open.
#pragma once

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

class QLineEdit;
class QTextBrowser;

namespace velmora {

// Where the help pages are: the first of the candidates that is a folder, or the first candidate when none
// is (pages then show as missing).
std::filesystem::path FindHelpFolder(const std::vector<std::filesystem::path>& candidates);

// The folders the program looks in, in order: the folder the build installed the pages in, the folder beside
// the home folder, and the one beside the executable.
std::vector<std::filesystem::path> HelpFolderCandidates(const std::filesystem::path& home,
                                                        const std::filesystem::path& executableDir);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(std::filesystem::path folder, QWidget* parent = nullptr);

    // Shows the page (a file name such as "file.htm") and brings the window to the front. A page that is not
    // there says so in the window, naming the page.
    void ShowPage(const std::string& page);
    // Lists the pages that hold every word of the text, each a link to its page, titles first.
    void Search(const QString& text);

    const std::string& CurrentPage() const { return Page; }
    QTextBrowser* Browser() const { return View; }
    QLineEdit* SearchBox() const { return Find; }

private:
    void BringToFront();
    void StandBesideModalDialog();
    void UpdateTitle();

    std::filesystem::path Folder;
    QLineEdit* Find;
    QTextBrowser* View;
    std::string Page;
    QPointer<QWidget> Frame; // the window help belongs to when no dialog is open
};

} // namespace velmora
