// File/New: a drawing named in the new-drawing dialog, started by external walls or by design rooms, in
// millimetres or in feet and inches.
#pragma once

namespace velmora {

class Program;

// The open drawing is saved and left; the new one is written at once as its six floor records (also the
// checkpoint) and opened. Cancel, a name that is no drawing name, or "No" to replacing an existing drawing
// end the command with nothing written: the frame is then left without a drawing (DrawingReady 1), so no
// later command can write the emptied list over the drawing that was open.
void CmFilenewExecute(Program& program);

} // namespace velmora
