// The print commands of the File menu: Print..., Print Part of Drawing..., Print Split over 2 pages...,
// Print Calibrator and Printer Setup.... Each writes the open drawing first and prints from its file, so
// what is printed is what is saved; none of them changes the view, zoom or mapping of the window.
#pragma once

#include "app/app_state.h"
#include "output/print_options.h"
#include "platform/ui.h"

namespace velmora {

class TMDIChild;

void CmPrintExecute(AppState& state, Ui& ui);
// Installs the tool that drags the area; its release runs PrintPartOfDrawing.
void CmPrintpartExecute(AppState& state, Ui& ui, TMDIChild* window);
void CmPrintssplitExecute(AppState& state, Ui& ui);
void CmPrintcalExecute(AppState& state, Ui& ui);
void CmPrintersetupExecute(AppState& state, Ui& ui);

// The part print of a dragged area (world units) of the current floor: the pick tool is installed first,
// so a caller that is the dragging tool must not touch itself after this returns.
void PrintPartOfDrawing(AppState& state, Ui& ui, const WorldArea& area);

} // namespace velmora
