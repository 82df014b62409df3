// The text tool: a centred text placed at a press (Mode 4), or text typed from the left a line at a time
// (Mode 24). Its objects take the face, size and weight of TEXT.CFG as the command read them.
#pragma once

#include "tools/drawing_tool.h"

#include <string>

namespace velmora {

enum : int { ModeCentredText = 4, ModeTypedText = 24 };

class TTexttool : public TDrawingtool {
public:
    // The letters one text object holds; a typed line holds fewer (LineLetters) and goes on below.
    static constexpr int MaxLetters = 79;
    static constexpr int LineLetters = 70;

    explicit TTexttool(AppState& state, Ui& ui);

    std::string TextBuffer; // the text being built
    int TextLen = 0;        // its length as last measured
    int TypedCount = 0;     // characters typed into the current line
    int TextHeight = 10;    // TEXT.CFG's size and weight
    int TextWeight = 400;

    // Typed text: the first press fixes the start of the first line.
    void LeftDown(Canvas& dc, Size client, int px, int py) override;
    // The text being built at its anchor, in its font; measures the line spacing on the first letter.
    void DrawFeedback(Canvas& dc, int flag) override;
    // A centred text at the press. Makes nothing, and uses up no element number, for a text that is
    // empty, longer than a text object holds, or off the sheet.
    void PlaceText(Canvas& dc, Size client, int px, int py, const std::string& text) override;
    // Backspace, Enter (the line is made) or a letter. A letter past the line's 70 first makes the line and
    // reports it in OperationResult (30001); the letter starts the next line.
    void KeyChar(Canvas& dc, Size client, char c) override;

protected:
    Font TextFont() const;
    bool CanMakeText() const;

private:
    void DrawIn(Canvas& dc, Colorref colour);
};

class TTextobjtool : public TTexttool {
public:
    using TTexttool::TTexttool;
    // Makes the TTextobj of the buffer at the anchor (X1, Y1).
    void Commit(Canvas& dc, Size client) override;
};

} // namespace velmora
