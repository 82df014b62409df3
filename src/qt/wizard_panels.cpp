#include "qt/wizard_panels.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace velmora {

namespace {

constexpr int StepWidth = 520, StepMinHeight = 100, StepMaxHeight = 200, Margin = 10;
constexpr int NoteWidth = 450, NoteHeight = 20;

QFont BoldFont(int pixels) {
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

// The texts end in line breaks of their own; the box holds the words, not the blank lines after them.
QString Trimmed(const std::string& s) {
    QString t = QString::fromStdString(s);
    while (t.endsWith('\n') || t.endsWith(' '))
        t.chop(1);
    return t;
}

} // namespace

void PaintWizardPanels(QPainter& p, QSize area, const WizardPanelTexts& texts) {
    p.save();
    p.setFont(BoldFont(13));
    const QFontMetrics m(p.font());
    if (!texts.Step.empty()) {
        const QString text = Trimmed(texts.Step);
        const int width = std::min(StepWidth, std::max(area.width() - 2 * Margin, 1));
        const QRect need = m.boundingRect(QRect(0, 0, width - 2 * Margin, 10000), Qt::TextWordWrap, text);
        const int height = std::clamp(need.height() + 2 * Margin, StepMinHeight, StepMaxHeight);
        const QRect box((area.width() - width) / 2, (area.height() - height) / 2, width, height);
        p.setPen(Qt::black);
        p.setBrush(QColor(0, 255, 255));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box.adjusted(Margin, Margin, -Margin, -Margin),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    }
    if (!texts.Note.empty()) {
        const QRect box((area.width() - NoteWidth) / 2, 0, NoteWidth, NoteHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(box);
        // The note is one line in its strip: smaller letters, and cut short only on a very narrow screen.
        p.setFont(BoldFont(10));
        p.setPen(QColor(255, 0, 0));
        p.drawText(box, Qt::AlignCenter,
                   QFontMetrics(p.font()).elidedText(Trimmed(texts.Note), Qt::ElideRight, NoteWidth));
    }
    p.restore();
}

WizardPanelsOverlay::WizardPanelsOverlay(QWidget* workspace) : QWidget(workspace) {
    setObjectName("WizardPanels");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    workspace->installEventFilter(this);
    hide();
}

void WizardPanelsOverlay::SetTexts(const WizardPanelTexts& texts) {
    Current = texts;
    setVisible(Current.Shown());
    if (!Current.Shown()) return;
    setGeometry(parentWidget()->rect());
    raise();
    update();
}

void WizardPanelsOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintWizardPanels(p, size(), Current);
}

// The overlay covers the workspace at every size, and stays above a drawing window opened under it.
bool WizardPanelsOverlay::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && (e->type() == QEvent::Resize || e->type() == QEvent::ChildAdded)) {
        setGeometry(parentWidget()->rect());
        if (Current.Shown()) raise();
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace velmora
