#include "app/drawing_store.h"

#include "app/drawing_text.h"
#include "app/settings_files.h"
#include "model/file_io.h"
#include "view/units.h"

#include <charconv>

namespace velmora {

std::filesystem::path DrawingFilePath(const AppState& state, int mode, bool forReading) {
    const auto& home = state.HomePath;
    switch (mode) {
    case ModeCheckpoint:
        return home / "CFG" / "tmp.cfg";
    case ModeSpare:
        return home / "CFG" / "inroom.cfg";
    case ModeWizard:
        return home / "WDS" / (state.DrawingName + ".BMS");
    case ModeBackup:
        return home / "DWGS" / (state.DrawingName + ".BAK");
    default:
        break;
    }
    const bool wizard =
        forReading && state.WizardMode == 1 && (state.WizardStep == 0 || state.WizardStep == 100);
    return home / (wizard ? "WDS" : "DWGS") / (state.DrawingName + ".BMS");
}

namespace {

// Remembers the working file just written, so that the next undo snapshot of the same list can be a second
// name for it rather than a second write of it.
void KeepSavedDrawing(AppState& state, const std::filesystem::path& file) {
    const std::optional<FileIdentity> identity = IdentityOf(file);
    if (!identity) return;
    state.LastSave = SavedDrawing{file, *identity, StampOf(state.LastFormatted.Text())};
}

} // namespace

FileResult SaveDrawing(AppState& state, int mode) {
    // The sample drawing of a guided sequence's first step is read from WDS and only shown: a save would
    // make a stray copy of it under DWGS (and in the recent list's place of a real drawing).
    const bool sampleShown = state.WizardMode == 1 && (state.WizardStep == 0 || state.WizardStep == 100);
    const bool working = mode == ModeWorking || mode == ModeWorkingToo;
    if (sampleShown && working) return {};
    const std::filesystem::path file = DrawingFilePath(state, mode);
    std::string error;
    const std::string* text = CurrentDrawingText(state, error);
    if (!text) return {FileStatus::Unwritable, file.string() + ": " + error};
    // Until the new file is in place nothing is known of the one on disk.
    if (working) state.LastSave.reset();
    if (!WriteFileAtomic(file, *text, error)) return {FileStatus::Unwritable, error};
    if (working) KeepSavedDrawing(state, file);
    if (state.DrawingObjects.ObjectCount() > 0) state.DrawingReady = 2;
    return {};
}

FileResult LoadDrawing(AppState& state, int mode) {
    TFlist read;
    DrawingHeader header = state.Header();
    const FileResult result =
        ReadDrawingFile(DrawingFilePath(state, mode, true), state.Shift(), read, header);
    if (result.Unusable()) return result;
    if (mode == ModeWorking || mode == ModeWorkingToo) state.DrawingObjects.Clear();
    if (!result.Ok()) return result;
    state.TakeHeader(header);
    state.DrawingObjects.AppendAll(std::move(read));
    return result;
}

std::optional<int> PeekMetricFlag(std::string_view text) {
    int values[5];
    const char* p = text.data();
    const char* end = p + text.size();
    for (int& v : values) {
        while (p != end && (*p == ' ' || *p == '\t'))
            ++p;
        auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc()) return std::nullopt;
        p = next;
    }
    if (values[4] != 0 && values[4] != 1) return std::nullopt;
    return values[4];
}

CoordShift DrawingPlacement::Shift() const {
    return CoordShift::ForSheet(Sheet.Width, Sheet.Height, UnitsPerLogicalFor(MetricFlag));
}

DrawingPlacement PlacementOf(const AppState& state, std::string_view fileText) {
    DrawingPlacement p;
    p.MetricFlag = PeekMetricFlag(fileText).value_or(state.MetricFlag);
    p.SheetRead = ReadSheetSetting(state.HomePath, p.MetricFlag);
    p.Sheet = p.SheetRead.Usable() ? SheetOf(p.SheetRead) : SheetSize{state.SheetWidth, state.SheetHeight};
    return p;
}

void TakePlacement(AppState& state, const DrawingPlacement& placement) {
    state.MetricFlag = placement.MetricFlag;
    state.SetUnitsFromMetricFlag();
    state.MoveSheet(placement.Sheet.Width, placement.Sheet.Height);
}

void TakeUnitsOfDrawing(AppState& state, std::string_view fileText) {
    TakePlacement(state, PlacementOf(state, fileText));
}

BoundedSettings ReadSheetSize(AppState& state) {
    BoundedSettings read = ReadSheetSetting(state.HomePath, state.MetricFlag);
    if (read.Usable()) {
        const SheetSize sheet = SheetOf(read);
        state.MoveSheet(sheet.Width, sheet.Height);
    }
    return read;
}

} // namespace velmora
