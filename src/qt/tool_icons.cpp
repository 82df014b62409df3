#include "qt/tool_icons.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr int IconSize = 24;

// A short mark per button: what the button is about, in two or three letters.
constexpr std::array<std::pair<std::string_view, std::string_view>, 20> Marks{{
    {"undo", "Un"},    {"redo", "Re"},    {"datum", "+"},      {"centre", "C-"},      {"centrecentre", "C+"},
    {"move", "Mv"},    {"erase", "Er"},   {"pencolour", "Pn"}, {"adjustwalls", "AW"}, {"easydraw", "CD"},
    {"window", "Wi"},  {"door", "Dr"},    {"intwall", "IW"},   {"polygon", "Pg"},     {"droom", "DR"},
    {"finish", "Fin"}, {"maxroom", "Mx"}, {"alterroom", "AR"}, {"markwalls", "MW"},   {"grid", "#"},
}};

std::string_view MarkOf(std::string_view name) {
    for (const auto& [n, m] : Marks)
        if (n == name) return m;
    return "?";
}

} // namespace

QIcon ToolIcon(std::string_view name) {
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 110), 1));
    p.setBrush(QColor(225, 232, 245));
    p.drawRoundedRect(QRectF(1.5, 1.5, IconSize - 3, IconSize - 3), 4, 4);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(20, 30, 80));
    const std::string_view mark = MarkOf(name);
    p.drawText(QRect(0, 0, IconSize, IconSize), Qt::AlignCenter,
               QString::fromUtf8(mark.data(), static_cast<qsizetype>(mark.size())));
    p.end();
    return QIcon(pixmap);
}

} // namespace velmora
