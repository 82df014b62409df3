#include "app/undo_store.h"

#include "app/settings_files.h"
#include "model/file_io.h"

#include <charconv>
#include <system_error>

namespace velmora {

namespace fs = std::filesystem;

namespace {

constexpr int RedoFirst = 10;
constexpr int RedoLast = 19;
constexpr int UndoLast = UndoSlotCount - 1;

fs::path RingRecordPath(const AppState& s) {
    return s.HomePath / "ACT" / "RING.CFG";
}

struct RingRecord {
    std::string Owner;
    std::array<int, 10> History{};
};

// "%d %s\r\n" (the owner's length and name) and then the ten history entries on one line. Anything that does
// not read back exactly makes the ring nobody's, which resets it: a ring of unknown owner is never restored.
std::optional<RingRecord> ParseRingRecord(std::string_view text) {
    RingRecord r;
    const char* p = text.data();
    const char* end = p + text.size();
    int length = 0;
    auto [next, ec] = std::from_chars(p, end, length);
    if (ec != std::errc() || length < 1 || next == end || *next != ' ') return std::nullopt;
    p = next + 1;
    if (end - p < length) return std::nullopt;
    r.Owner.assign(p, static_cast<std::size_t>(length));
    p += length;
    for (int& entry : r.History) {
        while (p != end && (*p == ' ' || *p == '\r' || *p == '\n'))
            ++p;
        auto [after, err] = std::from_chars(p, end, entry);
        if (err != std::errc()) return std::nullopt;
        p = after;
    }
    return r;
}

std::optional<RingRecord> ReadRingRecord(const AppState& s) {
    const std::optional<std::string> text = ReadWholeFile(RingRecordPath(s));
    return text ? ParseRingRecord(*text) : std::nullopt;
}

bool WriteRingRecord(const AppState& s) {
    std::string text = std::to_string(s.DrawingName.size()) + " " + s.DrawingName + "\r\n";
    for (std::size_t i = 0; i < s.ViewHistory.size(); ++i)
        text += std::to_string(s.ViewHistory[i]) + (i + 1 < s.ViewHistory.size() ? " " : "\r\n");
    std::string error;
    return WriteFileAtomic(RingRecordPath(s), text, error);
}

bool EnsureActFolder(const AppState& s) {
    std::error_code ec;
    fs::create_directories(s.HomePath / "ACT", ec);
    return !ec;
}

bool WriteSlot(AppState& s, int slot, const TFlist& list) {
    const FileResult written = WriteDrawingFile(UndoSlotPath(s, slot), list, s.Header(), s.Shift());
    if (written.Ok() && list.ObjectCount() > 0) s.DrawingReady = 2;
    return written.Ok();
}

bool WriteEmptySlot(AppState& s, int slot) {
    const TFlist empty;
    return WriteSlot(s, slot, empty);
}

// A missing or damaged slot reads as empty: a snapshot that cannot be read whole is never half restored.
void ReadSlot(const AppState& s, int slot, TFlist& list, DrawingHeader& header) {
    TFlist read;
    DrawingHeader h = header;
    if (ReadDrawingFile(UndoSlotPath(s, slot), s.Shift(), read, h).Ok()) {
        list.Swap(read);
        header = h;
    }
}

// Renaming over the target replaces it in one step. When the source is missing (an empty slot) or cannot be
// renamed, the target is removed instead, so no stale state is ever left in the place of an empty one.
void MoveSlot(const AppState& s, int from, int to) {
    std::error_code ec;
    fs::rename(UndoSlotPath(s, from), UndoSlotPath(s, to), ec);
    if (ec) fs::remove(UndoSlotPath(s, to), ec);
}

// Slots first..last each move one place toward last; last's old state is dropped, first is left empty.
void ShiftTowardLast(const AppState& s, int first, int last) {
    for (int k = last - 1; k >= first; --k)
        MoveSlot(s, k, k + 1);
}

// Slots first..last each move one place toward first; first's old state is dropped, last is left empty.
void ShiftTowardFirst(const AppState& s, int first, int last) {
    for (int k = first + 1; k <= last; ++k)
        MoveSlot(s, k, k - 1);
}

void PushHistory(AppState& s, int view) {
    for (int k = UndoLast; k > 0; --k)
        s.ViewHistory[k] = s.ViewHistory[k - 1];
    s.ViewHistory[0] = view;
}

void PopHistory(AppState& s) {
    for (int k = 0; k < UndoLast; ++k)
        s.ViewHistory[k] = s.ViewHistory[k + 1];
    s.ViewHistory[UndoLast] = 0;
}

// The restored state's counters come with it; its measuring system is the drawing's own and stays.
void TakeRestored(AppState& s, TFlist& restored, DrawingHeader header) {
    header.MetricFlag = s.MetricFlag;
    s.DrawingObjects.Swap(restored);
    s.TakeHeader(header);
}

bool Reset(AppState& s) {
    s.ViewHistory.fill(0);
    bool ok = EnsureActFolder(s);
    for (int slot = 0; slot <= RedoLast; ++slot)
        ok = WriteEmptySlot(s, slot) && ok;
    std::error_code ec;
    fs::remove(UndoSlotPath(s, UndoScratchSlot), ec);
    return WriteRingRecord(s) && ok;
}

// The present list goes to the scratch slot first: when that cannot be written nothing has moved yet.
bool Record(AppState& s, int view) {
    if (!WriteSlot(s, UndoScratchSlot, s.DrawingObjects)) return false;
    ShiftTowardLast(s, 0, UndoLast);
    MoveSlot(s, UndoScratchSlot, 0);
    PushHistory(s, view);
    WriteRingRecord(s);
    return true;
}

bool StoreUndo(AppState& s) {
    TFlist restored;
    DrawingHeader header = s.Header();
    ReadSlot(s, 0, restored, header);
    if (restored.ObjectCount() == 0 || s.DrawingObjects.ObjectCount() == 0) return false;
    if (!WriteSlot(s, UndoScratchSlot, s.DrawingObjects)) return false;
    ShiftTowardLast(s, RedoFirst, RedoLast);
    MoveSlot(s, UndoScratchSlot, RedoFirst);
    ShiftTowardFirst(s, 0, UndoLast);
    WriteEmptySlot(s, UndoLast);
    TakeRestored(s, restored, header);
    PopHistory(s);
    WriteRingRecord(s);
    return true;
}

bool StoreRedo(AppState& s, int view) {
    TFlist redone;
    DrawingHeader header = s.Header();
    ReadSlot(s, RedoFirst, redone, header);
    if (redone.ObjectCount() == 0 || s.DrawingObjects.ObjectCount() == 0) return false;
    if (!WriteSlot(s, UndoScratchSlot, s.DrawingObjects)) return false;
    ShiftTowardLast(s, 0, UndoLast);
    MoveSlot(s, UndoScratchSlot, 0);
    PushHistory(s, view);
    ShiftTowardFirst(s, RedoFirst, RedoLast);
    WriteEmptySlot(s, RedoLast);
    TakeRestored(s, redone, header);
    WriteRingRecord(s);
    return true;
}

bool OwnedByOpenDrawing(const AppState& s) {
    const std::optional<std::string> owner = UndoRingOwner(s);
    return owner && !s.DrawingName.empty() && *owner == s.DrawingName;
}

} // namespace

fs::path UndoSlotPath(const AppState& state, int slot) {
    return state.HomePath / "ACT" / ("Action" + std::to_string(slot) + ".tmp");
}

std::optional<std::string> UndoRingOwner(const AppState& state) {
    const std::optional<RingRecord> record = ReadRingRecord(state);
    if (!record) return std::nullopt;
    return record->Owner;
}

// Every operation first makes sure the ring is the open drawing's: a ring left by another drawing (a
// command path that opened a drawing without claiming it) is reset, and its snapshots are never restored.
bool UndoStore(AppState& state, int mode, int view) {
    if (mode == UndoReset) return Reset(state);
    if (!OwnedByOpenDrawing(state)) {
        Reset(state);
        if (mode != UndoRecord) return false;
    }
    switch (mode) {
    case UndoRecord:
        return Record(state, view);
    case UndoStoreUndo:
        return StoreUndo(state);
    case UndoStoreRedo:
        return StoreRedo(state, view);
    default:
        return false;
    }
}

bool RecordUndo(AppState& state) {
    return UndoStore(state, UndoRecord, state.CurrentView);
}

void ClaimUndoRing(AppState& state) {
    const std::optional<RingRecord> record = ReadRingRecord(state);
    if (!record || state.DrawingName.empty() || record->Owner != state.DrawingName) {
        Reset(state);
        return;
    }
    state.ViewHistory = record->History;
}

bool SaveUndoHistory(const AppState& state, std::string& error) {
    const auto& h = state.ViewHistory;
    return WriteSettingsLine(state.HomePath, "LASTACT.CFG", error, "%d %d %d %d %d %d %d %d %d %d\n", h[0],
                             h[1], h[2], h[3], h[4], h[5], h[6], h[7], h[8], h[9]);
}

} // namespace velmora
