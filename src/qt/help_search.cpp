#include "qt/help_search.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QUrl>

#include <algorithm>

namespace velmora {

namespace {

QString PageTitle(const QString& html, const QString& fallback) {
    static const QRegularExpression title("<title>(.*?)</title>",
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(html);
    if (!m.hasMatch()) return fallback;
    const QString t = ShortPageTitle(QTextDocumentFragment::fromHtml(m.captured(1)).toPlainText());
    return t.isEmpty() ? fallback : t;
}

// What a reader sees of the page: its text with the tags and entities resolved.
QString PageText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

} // namespace

QString ShortPageTitle(const QString& title) {
    static const QRegularExpression prefix("^Velmora help:\\s*");
    return title.trimmed().remove(prefix);
}

std::vector<HelpPageHit> FindHelpPages(const std::filesystem::path& folder, const QString& text) {
    const QStringList words = text.simplified().split(' ', Qt::SkipEmptyParts);
    std::vector<HelpPageHit> hits;
    if (words.isEmpty()) return hits;
    const QDir dir(QString::fromStdString(folder.string()));
    for (const QString& name : dir.entryList({"*.htm"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(file.readAll());
        const QString body = PageText(html);
        const QString title = PageTitle(html, name);
        const bool all = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return body.contains(w, Qt::CaseInsensitive) || title.contains(w, Qt::CaseInsensitive);
        });
        if (all) hits.push_back({name, title});
    }
    return hits;
}

QString SearchResultsPage(const std::filesystem::path& folder, const QString& text) {
    const QString words = text.simplified().toHtmlEscaped();
    if (words.isEmpty())
        return "<h2>Search</h2><p>Type words in the search box and press Enter to find the pages that "
               "hold them.</p>";
    const std::vector<HelpPageHit> hits = FindHelpPages(folder, text);
    if (hits.empty()) return QString("<h2>Search</h2><p>No help page holds \"%1\".</p>").arg(words);
    QString page =
        QString("<h2>Search</h2><p>%1 of the help pages hold \"%2\":</p><ul>").arg(hits.size()).arg(words);
    const QDir dir(QString::fromStdString(folder.string()));
    for (const HelpPageHit& h : hits)
        page += QString("<li><a href=\"%1\">%2</a></li>")
                    .arg(QUrl::fromLocalFile(dir.filePath(h.File)).toString(), h.Title.toHtmlEscaped());
    return page + "</ul>";
}

} // namespace velmora
