#include "app/file_commands.h"

#include "app/new_drawing.h"
#include "app/open_commands.h"
#include "app/program.h"
#include "app/save_commands.h"

namespace velmora {

void RegisterFileCommands(Program& p, CommandRegistry& commands) {
    commands.Add("CmFilenewExecute", [&p] { CmFilenewExecute(p); });
    commands.Add("CmFileopenExecute", [&p] { CmFileopenExecute(p); });
    commands.Add("CmLast1Execute", [&p] { OpenRecentEntry(p, 1); });
    commands.Add("CmLast2Execute", [&p] { OpenRecentEntry(p, 2); });
    commands.Add("CmLast3Execute", [&p] { OpenRecentEntry(p, 3); });
    commands.Add("CmSaveExecute", [&p] { CmSaveExecute(p.State(), p.GetUi()); });
    commands.Add("CmSaveasExecute", [&p] { CmSaveasExecute(p.State(), p.GetUi()); });
    commands.Add("CmAutosaveExecute", [&p] { CmAutosaveExecute(p.State(), p.GetUi()); });
    commands.Add("CmAutoscrollExecute", [&p] { CmAutoscrollExecute(p.State(), p.GetUi()); });
    commands.Add("File1Click", [&p] { File1Click(p.State(), p.GetUi()); });
}

} // namespace velmora
