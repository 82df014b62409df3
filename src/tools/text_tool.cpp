#include "tools/text_tool.h"

#include "model/drawing_objects.h"
#include "tools/shape_commit.h"
#include "view/units.h"

#include <cstdint>

namespace velmora {

namespace {

constexpr int TooLongLine = 30001;
static_assert(TTexttool::MaxLetters == static_cast<int>(TTextobj::MaxText));

} // namespace

TTexttool::TTexttool(AppState& state, Ui& ui) : TDrawingtool(state, ui) {
    Mode = ModeCentredText;
}

void TTexttool::LeftDown(Canvas& dc, Size client, int px, int py) {
    if (CentrePick(dc, client, px, py)) return;
    // After a centre pick (Step 38) the press is the start as well.
    if (Mode != ModeTypedText || (Step != 0 && Step != StepCentreRectDone)) return;
    const Point p = WorldAt(dc, px, py);
    X1 = p.X;
    Y1 = p.Y;
    Marked = 1;
    Step = 1;
}

Font TTexttool::TextFont() const {
    Font f;
    f.FaceName = S.DefaultFontName;
    f.Height = TextHeight * S.DefaultZoom;
    f.Escapement = HitKind;
    f.Weight = TextWeight < 500 ? 400 : 700;
    f.Italic = S.ItalicFlag != 0;
    return f;
}

void TTexttool::DrawFeedback(Canvas& dc, int) {
    DrawIn(dc, PenColour);
}

void TTexttool::DrawIn(Canvas& dc, Colorref colour) {
    dc.SetFont(TextFont());
    if (TextBuffer.size() == 1) {
        // The next line goes this far below (or, upright, beside) the line.
        const TextMetrics tm = dc.GetTextMetrics();
        SuggestedLength = tm.Height * (S.UnitsPerLogical + 1);
    }
    switch (HitIndex) {
    case 1:
        if (HitKind == 0 || HitKind == 2700)
            dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Baseline);
        else
            dc.SetTextAlign(TextHAlign::Left, TextVAlign::Bottom);
        break;
    case 2:
    case 3:
        dc.SetTextAlign(TextHAlign::Left, TextVAlign::Baseline);
        break;
    case 4:
        dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Top);
        break;
    case 5:
        dc.SetTextAlign(TextHAlign::Left, TextVAlign::Top);
        break;
    case 6:
        dc.SetTextAlign(TextHAlign::Centre, TextVAlign::Baseline);
        break;
    default:
        dc.SetTextAlign(TextHAlign::Left, TextVAlign::Bottom);
        break;
    }
    dc.SetRasterOp(RasterOp::Copy);
    dc.SetBackgroundOpaque(true);
    dc.SetBackgroundColour(S.BackgroundColour);
    dc.SetTextColour(colour);
    const int u = S.UnitsPerLogical;
    dc.TextOut(WorldToLogical(X1, u), WorldToLogical(Y1, u), TextBuffer);
    dc.SetBackgroundOpaque(false);
}

bool TTexttool::CanMakeText() const {
    const std::int64_t u = S.UnitsPerLogical;
    const bool onSheet = X1 >= 10 && X1 <= S.SheetWidth * u && Y1 >= 10 && Y1 <= S.SheetHeight * u;
    return onSheet && !TextBuffer.empty() && TextBuffer.size() <= static_cast<std::size_t>(MaxLetters);
}

void TTexttool::PlaceText(Canvas& dc, Size client, int px, int py, const std::string& text) {
    PenColour = S.CurrentColour;
    const Point p = WorldAt(dc, px, py);
    X1 = p.X;
    Y1 = p.Y;
    TextBuffer = text;
    MadeIndex = -1;
    // Decide, then change: the element number goes to a text that will be made.
    if (!CanMakeText()) return;
    ++S.NextElementNo;
    ElementNo = S.NextElementNo;
    Commit(dc, client);
}

void TTexttool::KeyChar(Canvas& dc, Size client, char c) {
    MadeIndex = -1;
    if (c == '\b') {
        if (TextBuffer.empty()) return;
        DrawIn(dc, S.BackgroundColour);
        TextBuffer.pop_back();
        if (TypedCount > 0) --TypedCount;
        DrawIn(dc, PenColour);
        return;
    }
    if (c == '\r') {
        Commit(dc, client);
        TextBuffer.clear();
        TextLen = TypedCount = 0;
        return;
    }
    if (static_cast<unsigned char>(c) < 32) return; // no other control character belongs in a text
    PenColour = S.CurrentColour;
    if (static_cast<int>(TextBuffer.size()) >= LineLetters) {
        // The full line is made as it stands; the letter starts the next one, which the window moves to
        // its place before it is drawn.
        Commit(dc, client);
        TextBuffer.clear();
        TextLen = TypedCount = 0;
        OperationResult = TooLongLine;
        TextBuffer.push_back(c);
        TypedCount = 1;
        return;
    }
    TextBuffer.push_back(c);
    ++TypedCount;
    DrawIn(dc, PenColour);
}

void TTextobjtool::Commit(Canvas& dc, Size) {
    MadeIndex = -1;
    if (!CanMakeText()) return;
    TextLen = static_cast<int>(TextBuffer.size());
    // The width is measured in the text's own font: its average letter width times its letters.
    dc.SetFont(TextFont());
    const TextMetrics tm = dc.GetTextMetrics();
    XA = static_cast<int>(std::int64_t{tm.AveCharWidth} * TextLen * S.UnitsPerLogical);
    auto text =
        std::make_unique<TTextobj>(Mode, S.CurrentView, LinkNo, ElementNo, X1, Y1, TextBuffer,
                                   S.DefaultFontName, TextHeight, HitKind, HitIndex, TextWeight, PenColour);
    text->X2 = X2;
    text->Y2 = Y2;
    text->Z1 = XA;
    BoxX1 = X1, BoxY1 = Y1, BoxX2 = X1 + XA, BoxY2 = Y1;
    MadeIndex = StoreShape(S, U, Window, dc, std::move(text));
    Marked = 0;
}

} // namespace velmora
