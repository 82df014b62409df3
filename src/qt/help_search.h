// The help window's search: which help pages hold the words typed, as a page of links.
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace velmora {

struct HelpPageHit {
    QString File;  // "file.htm"
    QString Title; // the page's title, else its file name
};

// A page's title without the help's own name that starts every one ("Velmora help: File commands").
QString ShortPageTitle(const QString& title);

// The pages of the folder (*.htm, by file name) whose text, tags left out, holds every word of `text`, case
// ignored. No words: no pages.
std::vector<HelpPageHit> FindHelpPages(const std::filesystem::path& folder, const QString& text);

// The search's answer as a page: a link to each page found, or a line saying none holds the words.
QString SearchResultsPage(const std::filesystem::path& folder, const QString& text);

} // namespace velmora
