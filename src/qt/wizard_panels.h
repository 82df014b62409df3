// The two panels of a guided sequence as the user sees them over the drawing: the step's instruction in a
// cyan box in the middle, and the note of how to leave in a white strip at the top. One painting routine
// serves the window on screen and the pictures of a session script.
#pragma once

#include <QWidget>

#include <string>

class QPainter;

namespace velmora {

struct WizardPanelTexts {
    std::string Step; // "" when not shown
    std::string Note;
    bool Shown() const { return !Step.empty() || !Note.empty(); }
};

// Paints the panels over an area of the given size.
void PaintWizardPanels(QPainter& p, QSize area, const WizardPanelTexts& texts);

// The panels over the frame's workspace: above the drawing window, and there too while a dialog of the
// sequence is open and no window stands. Clicks go through to the drawing.
class WizardPanelsOverlay : public QWidget {
    Q_OBJECT
public:
    explicit WizardPanelsOverlay(QWidget* workspace);
    void SetTexts(const WizardPanelTexts& texts);
    const WizardPanelTexts& Texts() const { return Current; }

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    WizardPanelTexts Current;
};

} // namespace velmora
