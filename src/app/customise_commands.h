// The Customise menu: screen and room colours, the design-room merging distance, the dimension offsets and
// text sizes, the default font, the layout grid, the zoom style and the guide line. Each edits its settings
// file under CFG/; the new values take effect when the commands that use them next read the file.
#pragma once

#include "app/app_state.h"
#include "app/settings_files.h"
#include "dialogs/customise_dialogs.h"
#include "platform/ui.h"

#include <filesystem>
#include <optional>

namespace velmora {

// When no drawing is ready, asks which measuring system the command should edit (TTMeasdlg) and records the
// choice in MetricFlag and METRIC.CFG. False when the user cancelled; true at once with a drawing open.
bool AskMeasuringSystem(AppState& state, Ui& ui);

// The colour chooser with the custom colours of CUSTCOL.CFG, saved back afterwards. On O K the guide line
// tells the user what to do next.
std::optional<Colorref> ChooseColour(AppState& state, Ui& ui, Colorref initial);

DimensionSettings ReadDimensionSettings(const std::filesystem::path& home, int metricFlag);
bool WriteDimensionSettings(const std::filesystem::path& home, int metricFlag, const DimensionSettings& d,
                            std::string& error);

// Reads TEXT.CFG into the text defaults (DefaultFontName, ItalicFlag) and returns what it read; a missing
// or unreadable file gives the fallback font, upright.
TextSettings ReadTextDefaults(AppState& state);

void CmDefclrsExecute(AppState& state, Ui& ui);
void CmDefroomclrsExecute(AppState& state, Ui& ui);
void CmDefmergeExecute(AppState& state, Ui& ui);
void CmDefdimensExecute(AppState& state, Ui& ui);
void CmDefrmtextExecute(AppState& state, Ui& ui);
// Answers the text colour chosen in the font dialog (it is the frame's text colour and is not stored).
std::optional<Colorref> CmDeftextExecute(AppState& state, Ui& ui, Colorref textColour);
void CmDeflytgridExecute(AppState& state, Ui& ui);
void CmZoomstyle1Execute(AppState& state, Ui& ui); // ZoomStyle2Click of the Zoom menu runs it too
void CmGuideLineExecute(AppState& state, Ui& ui);

} // namespace velmora
