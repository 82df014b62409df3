#include "app/exit_files.h"

#include "app/drawing_store.h"
#include "app/keep_changes.h"
#include "app/recent_files.h"

namespace velmora {

// The open drawing is both the drawing left and the one recorded: it goes on top, wherever it stood.
// While the drawing was open the file already held this list; the program now holds it too.
void AddOpenDrawingToRecent(AppState& s, Ui& ui) {
    const RecentList list = RecentFilesOnDisk(s, HeldRecentFiles(s));
    s.RecentFiles = list;
    std::string error;
    ReportWrite(ui, WriteRecentFiles(s.HomePath, list, error), error);
}

// The drawing is read back whole from its working copy, on the ground floor, before the question: that is
// the state the answer keeps or gives up. A working copy that cannot be read is left alone. The drawing as
// it stood comes back when the user stays.
bool SettleChangesAtExit(AppState& s, Ui& ui) {
    TFlist held;
    held.Swap(s.DrawingObjects);
    const DrawingHeader header = s.Header();
    const int view = s.CurrentView;
    s.CurrentView = ViewGround;
    const FileResult r = LoadDrawing(s, ModeWorking);
    if (!r.Ok()) {
        if (r.Unusable()) ui.Message("", r.Message, MessageKind::Error);
        return true;
    }
    if (s.DrawingObjects.ObjectCount() <= 4) return true;
    if (s.SaveState == 1) {
        if (AskToKeepChanges(s, ui)) return true;
        s.DrawingObjects.Swap(held);
        s.TakeHeader(header);
        s.CurrentView = view;
        return false;
    }
    if (s.SaveState == 2) WriteDrawing(s, ui, ModeWorking);
    return true;
}

} // namespace velmora
