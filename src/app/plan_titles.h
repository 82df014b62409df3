// Plan titles: the text (kind 37) centred below each floor plan and the site plan, its wording kept in
// CFG/TITLE2D.CFG and edited by the Floor Plan Titles command.
#pragma once

#include "app/app_state.h"
#include "platform/ui.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

constexpr int PlanTitleKind = 37;

// The six titles of TITLE2D.CFG: ground, first, second, third, basement, site. A missing or unreadable file
// gives six empty titles.
std::array<std::string, 6> ReadPlanTitles(const std::filesystem::path& home);
bool WritePlanTitles(const std::filesystem::path& home, const std::array<std::string, 6>& titles,
                     std::string& error);

// The place of a view's title in TITLE2D.CFG, or nothing for a view without one.
std::optional<std::size_t> TitleIndexOfView(int view);

// Places the title of the current view centred below its external walls, replacing a title of the same
// words there. Nothing without walls, or when the view's title is empty. True when a title was placed.
bool PlaceFloorTitle(AppState& state, Ui& ui);

// Floor Plan Titles: the titles dialog on TITLE2D.CFG.
void CmTitle2DExecute(AppState& state, Ui& ui);

} // namespace velmora
