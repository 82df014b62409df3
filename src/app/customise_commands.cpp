#include "app/customise_commands.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/settings_files.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velmora {

namespace {

constexpr int CustomiseArea = 310;

// A settings file that cannot be written must not pass for saved.
void WriteOrReport(Ui& ui, bool written, const std::string& error) {
    if (!written) ui.Message("", "Error: the setting was not saved\n" + error, MessageKind::Error);
}

Colorref ReadColour(const std::filesystem::path& home, std::string_view file, std::size_t index,
                    Colorref fallback) {
    const auto v = ReadSettingsInts(home, file, index + 1);
    return v ? (*v)[index] : fallback;
}

struct ColourRound {
    const char* Notice;
    const char* Guide;
};

// Metric lengths are typed in mm, imperial ones in whole inches and stored in 24ths.
int ToWorldUnits(std::int64_t typed, int metricFlag) {
    const std::int64_t v = metricFlag == 1 ? typed : typed * 24;
    return static_cast<int>(std::min<std::int64_t>(v, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

bool AskMeasuringSystem(AppState& state, Ui& ui) {
    if (state.DrawingReady >= 2) return true;
    const auto stored = ReadSettingsInts(state.HomePath, "METRIC.CFG", 1);
    DialogDescription dialog = TTMeasdlg::Make(stored ? ((*stored)[0] != 0 ? 1 : 0) : state.MetricFlag);
    if (!RunAccepted(ui, dialog)) return false;
    state.MetricFlag = TTMeasdlg::Result(dialog);
    std::string error;
    WriteOrReport(ui, WriteSettingsLine(state.HomePath, "METRIC.CFG", error, "%d", state.MetricFlag), error);
    return true;
}

std::optional<Colorref> ChooseColour(AppState& state, Ui& ui, Colorref initial) {
    std::vector<Colorref> custom;
    if (auto stored = ReadSettings(state.HomePath, "CUSTCOL.CFG"))
        for (double n : stored->Numbers)
            custom.push_back(static_cast<Colorref>(n));
    const std::optional<Colorref> chosen = ui.ChooseColour(initial, custom);
    std::string text;
    for (Colorref c : custom)
        text += std::to_string(c) + "\n";
    std::string error;
    WriteOrReport(ui, WriteSettingsText(state.HomePath, "CUSTCOL.CFG", text, error), error);
    if (chosen)
        ui.SetPanel(0, state.DrawingReady >= 2 ? "GUIDE: Select a function or view"
                                               : "Press FILE/NEW or FILE/OPEN");
    return chosen;
}

DimensionSettings ReadDimensionSettings(const std::filesystem::path& home, int metricFlag) {
    DimensionSettings d;
    if (metricFlag != 1) { // the same lengths in 24ths of an inch
        d.InternalOffset = 16 * 24;
        d.ExternalOffset = 24 * 24;
        d.OverallOffset = 40 * 24;
    }
    const auto v = ReadSettingsInts(home, metricFlag == 1 ? "MOFFSET.CFG" : "IOFFSET.CFG", 7);
    if (!v) return d;
    const auto& n = *v;
    return {n[0], n[1], n[2], n[3], n[4], n[5], n[6]};
}

bool WriteDimensionSettings(const std::filesystem::path& home, int metricFlag, const DimensionSettings& d,
                            std::string& error) {
    return WriteSettingsLine(home, metricFlag == 1 ? "MOFFSET.CFG" : "IOFFSET.CFG", error,
                             "%d %d %d %d %d %d %d", d.InternalOffset, d.ExternalOffset, d.OverallOffset,
                             d.TextDirection, d.TextSize, d.DimensionSize, d.RoomNameSize);
}

void CmDefclrsExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    constexpr ColourRound rounds[] = {
        {"Select your BACKGROUND COLOUR in the next dialogue box", "GUIDE: Select BACKGROUND COLOUR"},
        {"Select your DRAWING COLOUR in the next dialogue box", "GUIDE: Select DRAWING COLOUR"},
        {"Select your OVERLAY COLOUR in the next dialogue box", "GUIDE: Select OVERLAY COLOUR"},
    };
    Colorref* targets[] = {&state.BackgroundColour, &state.CurrentColour, &state.HighlightColour};
    for (int i = 0; i < 3; ++i) {
        ui.Message("", rounds[i].Notice);
        ui.SetPanel(0, rounds[i].Guide);
        const std::optional<Colorref> chosen = ChooseColour(state, ui, *targets[i]);
        if (!chosen) continue;
        *targets[i] = *chosen;
        // Every colour chosen is kept at once, the background too: a background chosen in a round whose
        // followers were cancelled would otherwise be lost at the next start.
        std::string error;
        WriteOrReport(ui,
                      WriteSettingsLine(state.HomePath, "CLR.CFG", error, "%ld %ld %ld\n",
                                        static_cast<long>(state.BackgroundColour),
                                        static_cast<long>(state.CurrentColour),
                                        static_cast<long>(state.HighlightColour)),
                      error);
        if (i == 0 && ui.HasDrawingWindow()) {
            ui.SetBackground(state.BackgroundColour);
            ui.Invalidate();
        }
    }
}

void CmDefroomclrsExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    constexpr ColourRound rounds[] = {
        {"Select your WET AREA ROOM COLOUR in the next dialogue box", "GUIDE: Select WET AREA ROOM COLOUR"},
        {"Select your BEDROOM COLOUR in the next dialogue box", "GUIDE: Select BEDROOM COLOUR"},
        {"Select your OTHER ROOM COLOUR in the next dialogue box", "GUIDE: Select OTHER ROOMS COLOUR"},
    };
    const auto stored = ReadSettingsInts(state.HomePath, "RMCLR.CFG", 3);
    std::vector<Colorref> colours =
        stored ? *stored : std::vector<Colorref>{Rgb(200, 230, 255), Rgb(255, 230, 230), Rgb(220, 255, 220)};
    for (int i = 0; i < 3; ++i) {
        ui.Message("", rounds[i].Notice);
        ui.SetPanel(0, rounds[i].Guide);
        const std::optional<Colorref> chosen = ChooseColour(state, ui, colours[static_cast<std::size_t>(i)]);
        if (!chosen) continue;
        colours[static_cast<std::size_t>(i)] = *chosen;
        std::string error;
        WriteOrReport(ui,
                      WriteSettingsLine(state.HomePath, "RMCLR.CFG", error, "%ld %ld %ld",
                                        static_cast<long>(colours[0]), static_cast<long>(colours[1]),
                                        static_cast<long>(colours[2])),
                      error);
    }
}

void CmDefmergeExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    if (!AskMeasuringSystem(state, ui)) return;
    const bool metric = state.MetricFlag == 1;
    const std::string file = metric ? "MERGEM.CFG" : "MERGEI.CFG";
    const auto stored = ReadSettingsInts(state.HomePath, file, 1);
    const int current = stored ? (*stored)[0] : (metric ? 150 : 144);
    const int shown = metric ? current : current / 24;
    const int minimum = metric ? 50 : 2;

    ui.SetPanel(0, "GUIDE: input Merging distance for room alignment");
    const std::optional<std::string> typed =
        ui.InputBox("Merging Distance", "Merging Distance", std::to_string(shown));
    // Cancelling writes back what was shown: an imperial distance thereby drops its part of an inch.
    const int value = typed ? std::max(ParseWholeNumber(*typed).value_or(minimum), minimum) : shown;
    std::string error;
    WriteOrReport(
        ui, WriteSettingsLine(state.HomePath, file, error, "%d\n", ToWorldUnits(value, state.MetricFlag)),
        error);
}

void CmDefdimensExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    if (!AskMeasuringSystem(state, ui)) return;
    const DimensionSettings current = ReadDimensionSettings(state.HomePath, state.MetricFlag);
    DialogDescription dialog = TTOffsetdlg::Make(current, state.MetricFlag);
    if (!RunAccepted(ui, dialog)) return;
    std::string error;
    WriteOrReport(ui,
                  WriteDimensionSettings(state.HomePath, state.MetricFlag,
                                         TTOffsetdlg::Result(dialog, current, state.MetricFlag), error),
                  error);
}

void CmDefrmtextExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    if (!AskMeasuringSystem(state, ui)) return;
    const DimensionSettings current = ReadDimensionSettings(state.HomePath, state.MetricFlag);
    DialogDescription dialog = TTRoomtextdlg::Make(current);
    if (!RunAccepted(ui, dialog)) return;
    std::string error;
    WriteOrReport(ui,
                  WriteDimensionSettings(state.HomePath, state.MetricFlag,
                                         TTRoomtextdlg::Result(dialog, current), error),
                  error);
}

TextSettings ReadTextDefaults(AppState& state) {
    const TextSettings stored = ReadTextSettings(state.HomePath).value_or(TextSettings{});
    state.DefaultFontName = stored.FontName;
    state.ItalicFlag = stored.Italic;
    return stored;
}

std::optional<Colorref> CmDeftextExecute(AppState& state, Ui& ui, Colorref textColour) {
    state.LastCommand = CustomiseArea;
    const TextSettings stored = ReadTextDefaults(state);
    FontChoice initial;
    initial.FaceName = stored.FontName;
    initial.PointSize = stored.Size;
    initial.Bold = stored.Weight == 700;
    initial.Italic = stored.Italic != 0;
    initial.Colour = textColour;
    const std::optional<FontChoice> chosen = ui.ChooseFont(initial);
    if (!chosen) return std::nullopt;
    TextSettings out;
    out.FontName = chosen->FaceName;
    out.Size = chosen->PointSize;
    out.Weight = chosen->Bold ? 700 : 400;
    out.Italic = chosen->Italic ? 1 : 0;
    std::string error;
    WriteOrReport(ui, WriteTextSettings(state.HomePath, out, error), error);
    return chosen->Colour;
}

void CmDeflytgridExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    if (!AskMeasuringSystem(state, ui)) return;
    // The drawing is written first, as every command that leaves the drawing for a while does.
    if (state.DrawingReady >= 2 && state.DrawingObjects.ObjectCount() > 0)
        WriteDrawing(state, ui, ModeWorking);
    state.LastCommand = 260;
    const bool metric = state.MetricFlag == 1;
    const std::string file = metric ? "LYTGRIDM.CFG" : "LYTGRIDI.CFG";
    const auto stored = ReadSettingsInts(state.HomePath, file, 2);
    int spacing = stored ? (*stored)[0] : (metric ? 500 : 480);
    Colorref colour = stored ? (*stored)[1] : Rgb(192, 192, 192);

    std::optional<std::string> typed;
    if (metric) {
        ui.SetPanel(0, "GUIDE: input Room Layout Grid line spacing");
        typed = ui.InputBox("Layout Grid", "Grid Spacing", std::to_string(spacing));
        if (typed) spacing = std::max(ParseWholeNumber(*typed).value_or(250), 250);
    } else {
        ui.SetPanel(0, "GUIDE: input Grid line spacing");
        typed = ui.InputBox("Layout Grid", "Grid Spacing in inches", std::to_string(spacing / 24));
        if (typed) spacing = ToWorldUnits(std::max(ParseWholeNumber(*typed).value_or(10), 10), 0);
    }
    std::string error;
    WriteOrReport(
        ui, WriteSettingsLine(state.HomePath, file, error, "%d %ld\n", spacing, static_cast<long>(colour)),
        error);
    if (const std::optional<Colorref> chosen = ChooseColour(state, ui, colour)) {
        colour = *chosen;
        WriteOrReport(
            ui,
            WriteSettingsLine(state.HomePath, file, error, "%d %ld\n", spacing, static_cast<long>(colour)),
            error);
    }
}

void CmZoomstyle1Execute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    const auto stored = ReadSettingsInts(state.HomePath, "ZOOMSTYLE.CFG", 1);
    DialogDescription dialog = TTZoomdlg::Make(stored ? (*stored)[0] : 0);
    if (!RunAccepted(ui, dialog)) return;
    std::string error;
    WriteOrReport(ui,
                  WriteSettingsLine(state.HomePath, "ZOOMSTYLE.CFG", error, "%d", TTZoomdlg::Result(dialog)),
                  error);
}

void CmGuideLineExecute(AppState& state, Ui& ui) {
    state.LastCommand = CustomiseArea;
    const auto stored = ReadSettingsInts(state.HomePath, "GUIDE.CFG", 2);
    const int position = stored ? (*stored)[0] : 3;
    const Colorref colour = stored ? (*stored)[1] : Rgb(255, 255, 192);
    std::string error;
    // The colour chooser of the dialog starts from the guide colour.
    WriteOrReport(ui,
                  WriteSettingsLine(state.HomePath, "FILLCLR.CFG", error, "%ld\n", static_cast<long>(colour)),
                  error);
    auto changeColour = [&state, &ui](Colorref) -> std::optional<Colorref> {
        ui.SetPanel(0, "GUIDE: Select new colour for the guide line (HINT: not too dark) ");
        const Colorref preset = ReadColour(state.HomePath, "FILLCLR.CFG", 0, 0);
        const std::optional<Colorref> chosen = ChooseColour(state, ui, preset);
        if (!chosen) return std::nullopt;
        std::string err;
        WriteOrReport(
            ui, WriteSettingsLine(state.HomePath, "FILLCLR.CFG", err, "%ld\n", static_cast<long>(*chosen)),
            err);
        return chosen;
    };
    DialogDescription dialog = TDefGuideDlg1::Make(position, colour, changeColour);
    if (!RunAccepted(ui, dialog)) return;
    const int newPosition = TDefGuideDlg1::Position(dialog);
    const Colorref newColour = TDefGuideDlg1::Colour(dialog);
    WriteOrReport(ui,
                  WriteSettingsLine(state.HomePath, "GUIDE.CFG", error, "%d %ld\n", newPosition,
                                    static_cast<long>(newColour)),
                  error);
    if (newPosition != (position == 1 ? 1 : 3) || newColour != colour)
        ui.Message("", " To re set the guide line now, close and restart the programme");
}

} // namespace velmora
