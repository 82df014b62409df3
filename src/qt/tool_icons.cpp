#include "qt/tool_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace velmora {

namespace {

constexpr int FallbackSize = 24;

struct GenericAction {
    std::string_view Handler;
    std::string_view Icon; // Velmora's own drawing
    std::string_view Theme;
};

// The actions every desktop program has keep the look of the user's desktop.
constexpr std::array<GenericAction, 9> GenericActions{{
    {"CmFilenewExecute", "new", "document-new"},
    {"CmFileopenExecute", "open", "document-open"},
    {"CmSaveExecute", "save", "document-save"},
    {"CmSaveasExecute", "save", "document-save-as"},
    {"CmPrintExecute", "print", "document-print"},
    {"CmUndoExecute", "undo", "edit-undo"},
    {"CmRedoExecute", "redo", "edit-redo"},
    {"CmIndexExecute", "help", "help-contents"},
    {"HelpAbout1Execute", "help", "help-about"},
}};

const GenericAction* FindGeneric(std::string_view nameOrHandler) {
    for (const GenericAction& g : GenericActions)
        if (g.Handler == nameOrHandler || g.Icon == nameOrHandler) return &g;
    return nullptr;
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A button whose drawing is missing still shows as a button.
QIcon MarkedSquare() {
    QPixmap pixmap(FallbackSize, FallbackSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 110), 1));
    p.setBrush(QColor(225, 232, 245));
    p.drawRoundedRect(QRectF(1.5, 1.5, FallbackSize - 3, FallbackSize - 3), 4, 4);
    p.drawText(QRect(0, 0, FallbackSize, FallbackSize), Qt::AlignCenter, "?");
    p.end();
    return QIcon(pixmap);
}

QIcon OwnIcon(std::string_view name) {
    return HasOwnIcon(name) ? QIcon(OwnIconPath(name)) : MarkedSquare();
}

} // namespace

QString OwnIconPath(std::string_view name) {
    return ":/icons/" + Q(name) + ".svg";
}

bool HasOwnIcon(std::string_view name) {
    return !name.empty() && QFile::exists(OwnIconPath(name));
}

std::string_view ThemeIconName(std::string_view nameOrHandler) {
    const GenericAction* g = FindGeneric(nameOrHandler);
    return g ? g->Theme : std::string_view();
}

QIcon ToolIcon(std::string_view name) {
    if (const GenericAction* g = FindGeneric(name)) return QIcon::fromTheme(Q(g->Theme), OwnIcon(g->Icon));
    return OwnIcon(name);
}

QIcon MenuIcon(std::string_view handler) {
    const GenericAction* g = FindGeneric(handler);
    if (!g) return {};
    return QIcon::fromTheme(Q(g->Theme), OwnIcon(g->Icon));
}

} // namespace velmora
