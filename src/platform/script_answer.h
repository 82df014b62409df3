// The answers a session script (or a test) queues for the questions the program will ask: dialogs, message
// boxes, input boxes and choosers; and the rules by which a dialog answer finds its fields and buttons.
#pragma once

#include "platform/canvas.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

struct DialogDescription;
struct DialogButton;

// Raised when the program asks something the script did not answer, or an answer does not fit what was
// asked. It unwinds the command in progress: carrying on with an invented answer would only bury the fault
// under later ones.
class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class AnswerKind { Dialog, Message, Input, File, Colour, Font, Printer };
enum class MessageReply { Yes, No, Ok, Cancel };

// One word of a dialog answer: `label=value`, or a bare label (a radio button, a box to tick, or — as the
// last word — the button to press).
struct AnswerWord {
    std::string Label;
    std::optional<std::string> Value;
    bool operator==(const AnswerWord&) const = default;
};

// Splits "label=value" at the first '='; a word without one is a bare label.
AnswerWord ParseAnswerWord(const std::string& word);

// What to change in the font chooser; anything not given keeps the font the chooser opened on.
struct FontAnswer {
    std::optional<std::string> Face;
    std::optional<int> Size;
    std::optional<bool> Bold;
    std::optional<bool> Italic;
    std::optional<Colorref> Colour;
};

struct ScriptAnswer {
    AnswerKind Kind = AnswerKind::Dialog;
    int Line = 0;                          // the script line that queued it; 0 when queued from code
    std::string Caption;                   // Dialog: the dialog's caption
    std::vector<AnswerWord> Words;         // Dialog: settings, then the button as the last word
    MessageReply Reply = MessageReply::Ok; // Message
    bool Cancel = false;                   // Input, File, Colour, Font
    std::string Text;                      // Input: the text typed; File: the name chosen; Printer: the PDF
    Colorref Colour = 0;                   // Colour
    FontAnswer Font;                       // Font

    static ScriptAnswer ForDialog(const std::string& caption, const std::vector<std::string>& words);
    static ScriptAnswer ForMessage(MessageReply reply);
    static ScriptAnswer ForInput(const std::string& text);
    static ScriptAnswer ForFile(const std::string& name);
    static ScriptAnswer ForColour(Colorref colour);
    static ScriptAnswer ForFont(const FontAnswer& font);
    static ScriptAnswer ForPdfPrinter(const std::string& file); // the print dialog's "PDF file"
    static ScriptAnswer Cancelled(AnswerKind kind); // input, file, colour, font chooser or printer cancelled
};

std::string ReplyName(MessageReply reply); // "Yes", "No", "OK", "Cancel"
// The answer as a script line would write it, for error messages: `answer message Yes`.
std::string Describe(const ScriptAnswer& answer);

// Whether a word of a script names a caption or label. Exact text wins; otherwise the comparison ignores
// case, runs of blanks and the doubled ampersand of toolkit captions ("feet && inches" = "feet & inches"),
// so a script need not copy the double blanks some of the program's labels carry.
bool SameWords(const std::string& label, const std::string& word);
// Button captions compare the same way, and "OK" names the button captioned "O K" (and the reverse).
bool SameButton(const std::string& caption, const std::string& word);

// The dialog's caption, its fields (with their values) and buttons, for the error that stops a script.
std::string DescribeDialog(const DialogDescription& dialog);

// Sets the fields an answer names and returns the button its last word presses. Throws ScriptFailure for a
// label the dialog does not have, a value a field cannot take, or a last word that is no button.
const DialogButton& ApplyDialogAnswer(DialogDescription& dialog, const ScriptAnswer& answer);

} // namespace velmora
