#include "output/output_commands.h"

#include "app/program.h"
#include "output/print_commands.h"
#include "output/save_screen.h"

namespace velmora {

void RegisterOutputCommands(Program& p, CommandRegistry& commands) {
    commands.Add("CmBmpExecute", [&p] { CmBmpExecute(p.State(), p.GetUi()); });
    commands.Add("CmPngExecute", [&p] { CmPngExecute(p.State(), p.GetUi()); });
    commands.Add("CmPrintExecute", [&p] { CmPrintExecute(p.State(), p.GetUi()); });
    commands.Add("CmPrintpartExecute", [&p] { CmPrintpartExecute(p.State(), p.GetUi(), p.Window()); });
    commands.Add("CmPrintssplitExecute", [&p] { CmPrintssplitExecute(p.State(), p.GetUi()); });
    commands.Add("CmPrintcalExecute", [&p] { CmPrintcalExecute(p.State(), p.GetUi()); });
    commands.Add("CmPrintersetupExecute", [&p] { CmPrintersetupExecute(p.State(), p.GetUi()); });
}

} // namespace velmora
