#include "app/undo_store.h"

#include "app/drawing_text.h"
#include "app/settings_files.h"
#include "model/file_io.h"
#include "model/file_stamp.h"

#include <charconv>
#include <cstdint>
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

constexpr int SlotCount = UndoScratchSlot + 1;
constexpr int StoredSlots = RedoLast + 1; // the scratch slot never outlives an operation

// What a slot file held when the ring wrote it: a snapshot is restored only when its file is still exactly
// that, so a file replaced or changed outside the program (or copied in from another ring) never is.
using SlotStamp = FileStamp;

struct RingRecord {
    std::string Owner;
    std::array<int, 10> History{};
    std::array<SlotStamp, SlotCount> Slots{};
};

template <typename T> bool ReadNumber(const char*& p, const char* end, T& v) {
    while (p != end && (*p == ' ' || *p == '\r' || *p == '\n'))
        ++p;
    auto [after, err] = std::from_chars(p, end, v);
    p = after;
    return err == std::errc();
}

// "%d %s\r\n" (the owner's length and name), the ten history entries on one line, then the size and sum of
// each stored slot on one line. Anything that does not read back exactly makes the ring nobody's, which
// resets it: a ring of unknown owner, or whose slots are not known, is never restored.
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
    for (int& entry : r.History)
        if (!ReadNumber(p, end, entry)) return std::nullopt;
    for (int slot = 0; slot < StoredSlots; ++slot)
        if (!ReadNumber(p, end, r.Slots[slot].Size) || !ReadNumber(p, end, r.Slots[slot].Sum))
            return std::nullopt;
    return r;
}

std::optional<RingRecord> ReadRingRecord(const AppState& s) {
    const std::optional<std::string> text = ReadWholeFile(RingRecordPath(s), SettingsReadLimit);
    return text ? ParseRingRecord(*text) : std::nullopt;
}

std::string RelativeToHome(const AppState& s, const fs::path& file) {
    return file.lexically_relative(s.HomePath).generic_string();
}

// The ring of the open drawing during one operation: the slots on disk and what the ring knows of them.
class Ring {
public:
    Ring(AppState& s, RingRecord record) : S(s), R(std::move(record)) {}

    // Writes list into the slot. False, with the reason in Problem, when it cannot be written.
    bool WriteSlot(int slot, const TFlist& list) {
        std::string formatted, error;
        const std::string* text = &formatted;
        if (&list == &S.DrawingObjects) {
            text = CurrentDrawingText(S, error);
            if (text && slot == UndoScratchSlot && LinkLastSave(slot)) return true;
        } else if (!FormatDrawing(list, S.Header(), S.Shift(), formatted, error)) {
            text = nullptr;
        }
        // Unflushed: a snapshot cut short by a power cut fails its stamp and is refused, never restored.
        if (!text || !WriteFileAtomic(UndoSlotPath(S, slot), *text, error, WriteFlush::Unflushed)) {
            Problem = error;
            return false;
        }
        R.Slots[slot] = StampOf(*text);
        if (list.ObjectCount() > 0) S.DrawingReady = 2;
        return true;
    }
    // The open drawing unchanged since its last save is that save's file: the slot becomes a second name for
    // it (the file is only ever replaced, never written in place, so the snapshot stays as it is). Only while
    // the last save is known (its text is still the list's) and the file is still the one written; the
    // scratch slot only, as its name is briefly missing. False leaves the slot to be written.
    bool LinkLastSave(int slot) {
        const std::optional<SavedDrawing>& saved = S.LastSave;
        if (!saved || IdentityOf(saved->File) != saved->Identity) return false;
        const fs::path file = UndoSlotPath(S, slot);
        std::string error;
        if (!LinkFileOver(saved->File, file, error) || IdentityOf(file) != saved->Identity) return false;
        R.Slots[slot] = saved->Stamp;
        if (S.DrawingObjects.ObjectCount() > 0) S.DrawingReady = 2;
        return true;
    }
    bool WriteEmptySlot(int slot) {
        const TFlist empty;
        return WriteSlot(slot, empty);
    }

    // The snapshot of a slot; a missing slot reads as empty. A snapshot that is not what the ring wrote, or
    // that cannot be read whole, is refused (Problem says why) and never half restored.
    bool ReadSlot(int slot, TFlist& list, DrawingHeader& header) {
        const fs::path file = UndoSlotPath(S, slot);
        ReadFailure failure;
        const std::optional<std::string> text = ReadWholeFile(file, DrawingReadLimit, &failure);
        if (!text) {
            if (!failure.Missing) Problem = RelativeToHome(S, file) + " " + failure.Reason;
            return failure.Missing;
        }
        if (StampOf(*text) != R.Slots[slot]) {
            Problem = RelativeToHome(S, file) + " was changed outside the program";
            return false;
        }
        TFlist read;
        DrawingHeader h = header;
        if (ParseDrawing(*text, S.Shift(), read, h)) {
            Problem = RelativeToHome(S, file) + " cannot be read back";
            return false;
        }
        list.Swap(read);
        header = h;
        return true;
    }

    // Renaming over the target replaces it in one step. When the source is missing (an empty slot) or cannot
    // be renamed, the target is removed instead, so no stale state is ever left in the place of an empty one.
    void MoveSlot(int from, int to) {
        std::error_code ec;
        fs::rename(UndoSlotPath(S, from), UndoSlotPath(S, to), ec);
        if (ec) fs::remove(UndoSlotPath(S, to), ec);
        R.Slots[to] = ec ? SlotStamp{} : R.Slots[from];
        R.Slots[from] = {};
    }
    // Slots first..last each move one place toward last; last's old state is dropped, first is left empty.
    void ShiftTowardLast(int first, int last) {
        for (int k = last - 1; k >= first; --k)
            MoveSlot(k, k + 1);
    }
    // Slots first..last each move one place toward first; first's old state is dropped, last is left empty.
    void ShiftTowardFirst(int first, int last) {
        for (int k = first + 1; k <= last; ++k)
            MoveSlot(k, k - 1);
    }

    // Writes the record: the open drawing as the owner, its view history and the slots' stamps.
    bool Save() {
        std::string text = std::to_string(S.DrawingName.size()) + " " + S.DrawingName + "\r\n";
        for (std::size_t i = 0; i < S.ViewHistory.size(); ++i)
            text += std::to_string(S.ViewHistory[i]) + (i + 1 < S.ViewHistory.size() ? " " : "\r\n");
        for (int slot = 0; slot < StoredSlots; ++slot)
            text += std::to_string(R.Slots[slot].Size) + " " + std::to_string(R.Slots[slot].Sum) +
                    (slot + 1 < StoredSlots ? " " : "\r\n");
        std::string error;
        if (WriteFileAtomic(RingRecordPath(S), text, error)) return true;
        Problem = error;
        return false;
    }

    AppState& S;
    RingRecord R;
    std::string Problem;
};

bool EnsureActFolder(const AppState& s) {
    std::error_code ec;
    fs::create_directories(s.HomePath / "ACT", ec);
    return !ec;
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

bool Reset(Ring& ring) {
    ring.S.ViewHistory.fill(0);
    bool ok = EnsureActFolder(ring.S);
    if (!ok) ring.Problem = "cannot create the folder " + (ring.S.HomePath / "ACT").string();
    for (int slot = 0; slot <= RedoLast; ++slot)
        ok = ring.WriteEmptySlot(slot) && ok;
    std::error_code ec;
    fs::remove(UndoSlotPath(ring.S, UndoScratchSlot), ec);
    return ring.Save() && ok;
}

// The present list goes to the scratch slot first: when that cannot be written nothing has moved yet.
bool Record(Ring& ring, int view) {
    if (!ring.WriteSlot(UndoScratchSlot, ring.S.DrawingObjects)) return false;
    ring.ShiftTowardLast(0, UndoLast);
    ring.MoveSlot(UndoScratchSlot, 0);
    PushHistory(ring.S, view);
    ring.Save();
    return true;
}

bool StoreUndo(Ring& ring) {
    AppState& s = ring.S;
    TFlist restored;
    DrawingHeader header = s.Header();
    if (!ring.ReadSlot(0, restored, header)) return false;
    if (restored.ObjectCount() == 0 || s.DrawingObjects.ObjectCount() == 0) return false;
    if (!ring.WriteSlot(UndoScratchSlot, s.DrawingObjects)) return false;
    ring.ShiftTowardLast(RedoFirst, RedoLast);
    ring.MoveSlot(UndoScratchSlot, RedoFirst);
    ring.ShiftTowardFirst(0, UndoLast);
    ring.WriteEmptySlot(UndoLast);
    TakeRestored(s, restored, header);
    PopHistory(s);
    ring.Save();
    return true;
}

bool StoreRedo(Ring& ring, int view) {
    AppState& s = ring.S;
    TFlist redone;
    DrawingHeader header = s.Header();
    if (!ring.ReadSlot(RedoFirst, redone, header)) return false;
    if (redone.ObjectCount() == 0 || s.DrawingObjects.ObjectCount() == 0) return false;
    if (!ring.WriteSlot(UndoScratchSlot, s.DrawingObjects)) return false;
    ring.ShiftTowardLast(0, UndoLast);
    ring.MoveSlot(UndoScratchSlot, 0);
    PushHistory(s, view);
    ring.ShiftTowardFirst(RedoFirst, RedoLast);
    ring.WriteEmptySlot(RedoLast);
    TakeRestored(s, redone, header);
    ring.Save();
    return true;
}

bool Report(const Ring& ring, bool ok, std::string* problem) {
    if (!ok && problem) *problem = ring.Problem;
    return ok;
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
bool UndoStore(AppState& state, int mode, int view, std::string* problem) {
    std::optional<RingRecord> record = mode == UndoReset ? std::nullopt : ReadRingRecord(state);
    const bool owned = record && !state.DrawingName.empty() && record->Owner == state.DrawingName;
    Ring ring(state, owned ? std::move(*record) : RingRecord{});
    if (mode == UndoReset) {
        state.UndoUnavailableSaid = false;
        return Report(ring, Reset(ring), problem);
    }
    if (!owned) {
        Reset(ring);
        if (mode != UndoRecord) return false;
    }
    switch (mode) {
    case UndoRecord:
        return Report(ring, Record(ring, view), problem);
    case UndoStoreUndo:
        return Report(ring, StoreUndo(ring), problem);
    case UndoStoreRedo:
        return Report(ring, StoreRedo(ring, view), problem);
    default:
        return false;
    }
}

bool RecordUndo(AppState& state, Ui& ui) {
    std::string problem;
    if (UndoStore(state, UndoRecord, state.CurrentView, &problem)) return true;
    // The change goes on without a snapshot; the user hears of it once, not at every edit.
    if (!state.UndoUnavailableSaid) {
        state.UndoUnavailableSaid = true;
        ui.Message("", std::string(UndoUnavailable) + problem);
    }
    return false;
}

void ClaimUndoRing(AppState& state) {
    state.UndoUnavailableSaid = false;
    const std::optional<RingRecord> record = ReadRingRecord(state);
    if (!record || state.DrawingName.empty() || record->Owner != state.DrawingName) {
        Ring ring(state, RingRecord{});
        Reset(ring);
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
