// Any dialog description as a Qt dialog. The description stays the authority: the form copies its fields in,
// copies what the user entered back before a button acts or the check runs, and shows again whatever an
// acting button changed.
#pragma once

#include "dialogs/dialog.h"
#include "platform/ui.h"

#include <QDialog>

#include <map>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace velmora {

class DialogForm : public QDialog {
    Q_OBJECT
public:
    // Refusals are shown through ui's message box, titled with the dialog's caption, and Help opens the
    // description's help page through ui.
    DialogForm(DialogDescription& dialog, Ui& ui, QWidget* parent = nullptr);

    // Shows the dialog modally; returns the caption of the button that closed it.
    std::string Run();
    // The caption of the button that closed the dialog, "" while it is open.
    const std::string& ClosedBy() const { return Closed; }

    // The widget shown for a field (by label), and a button (by caption); for tests and scripting aids.
    QWidget* FieldWidget(const std::string& label) const;
    QPushButton* ButtonWidget(const std::string& caption) const;

    // Presses a button as a click would: Cancel closes, a closing button runs the check (a refusal is shown
    // and the dialog stays open), any other button acts and the fields show the result.
    void Press(const std::string& caption);

    // Escape and the window's close box: the cancel button when there is one, otherwise the first closing
    // button, check included (an About box closes as its O K does).
    void reject() override;

private:
    void Build();
    QWidget* MakeFieldWidget(const DialogField& field);
    QPushButton* MakeButton(std::size_t index);
    void PressIndex(std::size_t index);
    void CollectFields();
    void RefreshFields();
    void DrawPreview(std::size_t index);
    void Close(const std::string& caption);

    DialogDescription& D;
    Ui& U;
    std::vector<QWidget*> Widgets; // one per field, in field order
    std::vector<QPushButton*> Buttons;
    std::string Closed;
};

// QLabel shows "&&" literally where buttons show "&": captions written for buttons read the same on labels.
QString LabelText(const std::string& caption);

} // namespace velmora
