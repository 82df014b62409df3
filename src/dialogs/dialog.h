// A dialog as data: caption, fields, buttons, help page and the check that refuses bad input while the
// dialog stays open. The Qt front end draws any description; the scripted front end fills it by label.
#pragma once

#include "platform/canvas.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class Ui;

enum class FieldKind {
    Text,   // an edit box; Value is its text
    Number, // an edit box for a whole number; Value is its text (the check decides what a non-number means)
    Radio,  // a radio button; Value "1" when chosen; radios with the same Group exclude each other
    Check,  // a check box; Value "1" when ticked
    Static, // a caption or note; Label is the text shown
    ColourSwatch, // a sample of a colour; Value is the COLORREF in decimal
    PictureRadio, // a radio button shown as a picture named by Hint
    Preview,      // a picture the core draws (designer previews); Value unused
};

struct DialogField {
    std::string Label; // the dialog's own words; scripts address the field by it
    FieldKind Kind = FieldKind::Text;
    std::string Value;
    std::string Group; // radio group, or the titled box the field stands in
    std::string Hint;
    int MaxLength = 0; // edit boxes: 0 = no limit
    bool Enabled = true;
    // Where the field stands in its group: on a row of its own below the field before it, or Beside that
    // field on the same row (a radio button's value, an edit box's unit). Column puts it in a column of the
    // group's grid (0 the first; an edit box's label takes the column, its box the next) so that the rows
    // line up; -1 takes the next free one.
    bool Beside = false;
    int Column = -1;
    // Number boxes: the unit shown beside the box ("mm.", "inches"), and the message that refuses text
    // that is no whole number (empty: "input must be a valid number"). An empty box is not refused here:
    // what it means is the dialog's own check's to say (a default size, no fraction).
    std::string Unit;
    std::string NotNumber;
};

struct DialogDescription;

// A button either closes the dialog (after the check passes) or acts while it stays open.
struct DialogButton {
    std::string Caption;
    bool Closes = true;
    bool IsCancel = false;                          // closes without the check
    std::function<void(DialogDescription&)> Action; // buttons that act while the dialog stays open
    // The label of the field the button stands beside (a colour's "change" button by its sample); empty:
    // in the row of buttons at the foot of the dialog.
    std::string BesideField;
};

struct DialogDescription {
    std::string Caption;
    std::vector<DialogField> Fields;
    std::vector<DialogButton> Buttons;
    std::string HelpPage;
    // Runs when a closing, non-cancel button is pressed: returns the message that refuses the input (the
    // dialog then stays open), or nothing to accept.
    std::function<std::optional<std::string>(const DialogDescription&, const std::string& button)> Check;
    // The title of the message box that shows a refusal; the dialog's caption when empty.
    std::string RefusalTitle;
    // Draws a Preview field; the front end supplies a canvas mapped to the field's pixels.
    std::function<void(Canvas&, int width, int height)> DrawPreview;

    DialogField* Field(const std::string& label);
    const DialogField* Field(const std::string& label) const;
    std::string Value(const std::string& label) const;
    void SetValue(const std::string& label, const std::string& value);
    bool IsOn(const std::string& label) const; // a ticked box or a chosen radio button
    // Chooses a radio button and clears the others of its group.
    void Choose(const std::string& label);
    // The label of the chosen radio button of a group, or "".
    std::string Chosen(const std::string& group) const;
    const DialogButton* Button(const std::string& caption) const;
    // What pressing a closing button says: the dialog's own check first, then any number box holding text
    // that is no whole number. Nothing when the input is accepted. Both front ends refuse through this, so
    // a script meets the refusal a user meets.
    std::optional<std::string> Refusal(const std::string& button) const;
    const std::string& TitleOfRefusal() const { return RefusalTitle.empty() ? Caption : RefusalTitle; }
};

// Builders for the usual pieces, so each dialog reads as its list of fields.
DialogField MakeField(const std::string& label, FieldKind kind, const std::string& value = "",
                      const std::string& group = "");
DialogField NumberField(const std::string& label, int value, const std::string& group = "");
// A number box with its unit beside it.
DialogField NumberField(const std::string& label, int value, const std::string& unit,
                        const std::string& group);
// The field with the unit shown beside its box.
DialogField WithUnit(DialogField field, const std::string& unit);
DialogField RadioField(const std::string& label, bool on, const std::string& group);
DialogField StaticText(const std::string& text, const std::string& group = "");
// The field placed beside the one before it, in the given column (-1: the next).
DialogField Beside(DialogField field, int column = -1);
// The field on a row of its own, starting at the given column.
DialogField InColumn(DialogField field, int column);
DialogButton MakeButton(const std::string& caption, bool closes = true, bool isCancel = false);
// "O K", "Cancel" and, when the dialog has a help page, "Help" (which shows the page and keeps it open).
void AddOkCancelHelp(DialogDescription& dialog);

// A whole number typed into a box: optional blanks and sign, digits, blanks. Nothing for anything else or
// a number beyond 32 bits.
std::optional<int> ParseWholeNumber(std::string_view text);
// The generic refusal of a number box holding text that is no number.
inline constexpr const char* NotANumberMessage = "input must be a valid number";

// Runs the dialog; true when it closed with one of its buttons that is not the cancelling one.
bool RunAccepted(Ui& ui, DialogDescription& dialog);

} // namespace velmora
