// File/Open and the recent entries of the File menu.
#pragma once

namespace velmora {

class Program;

// File/Open: the open drawing is saved and left, then a drawing is chosen from DWGS/*.BMS and opened.
// Cancel, or a drawing that cannot be opened, leaves the frame without a drawing; the drawing left stays
// first in the recent list.
void CmFileopenExecute(Program& program);

// Recent entry n (1-3, the items CmLast1Execute .. CmLast3Execute; the start-up timer opens entry 1): the
// entry is opened, and the drawing left takes its place at the top of the list.
void OpenRecentEntry(Program& program, int n);

} // namespace velmora
