// The settings files of the window and door tools, one line each below CFG/: WIND.CFG (the window), DOOR.CFG
// (the door: 22 numbers and a text), INTERN.CFG (the door opening angle and line thickness) and DOORSZE.CFG
// (the default single door width of each measuring system). Readers never trust the file: a missing or
// garbled line gives the defaults, and a stored text length is held to what the line really holds.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

struct WindowSettings {
    static constexpr std::size_t MaxFont = 31;
    int Type = 1;
    int Width = 1200, Height = 1200; // world units
    int ShowSizes = 1;
    int TextSize = 8; // points: 6 or 8
    int ShowCill = 1;
    std::string Font = "DejaVu Sans";
};

std::optional<WindowSettings> ParseWindowSettings(std::string_view line);
std::string FormatWindowSettings(const WindowSettings& w);
WindowSettings ReadWindowSettings(const std::filesystem::path& home);
bool WriteWindowSettings(const std::filesystem::path& home, const WindowSettings& w, std::string& error);

// DOOR.CFG: one format for writer and reader, the catalogue's: 22 numbers and then, straight after the
// last, the text whose length is number 11. Positions (1-based) the tools use: 1 door type, 3 total width, 4 unit value, 5 single door
// width, 6 number of doors, 7 door side, 9 frame position; the others are carried unchanged.
struct DoorSettings {
    static constexpr std::size_t Count = 22;
    static constexpr std::size_t MaxText = 31;
    std::array<int, Count> N{11, 0, 820, 1, 820, 1, 0, 0, 3, 0, 0};
    std::string Text;

    int& At(int position) { return N[static_cast<std::size_t>(position - 1)]; }
    int At(int position) const { return N[static_cast<std::size_t>(position - 1)]; }
};

std::optional<DoorSettings> ParseDoorSettings(std::string_view line);
std::string FormatDoorSettings(const DoorSettings& d);
DoorSettings ReadDoorSettings(const std::filesystem::path& home);
// The last door as DOOR.CFG holds it, or nothing when the file is missing or garbled.
std::optional<DoorSettings> ReadStoredDoorSettings(const std::filesystem::path& home);
bool WriteDoorSettings(const std::filesystem::path& home, const DoorSettings& d, std::string& error);

// INTERN.CFG: the angle a door leaf is shown open on plans (30, 60 or 90 degrees) and the thickness of door
// lines (1 thin, 2 thick); the file also carries the angle's sine and cosine for other readers.
struct SwingSettings {
    int Angle = 90;
    int Thickness = 1;
};

SwingSettings ReadSwingSettings(const std::filesystem::path& home);
bool WriteSwingSettings(const std::filesystem::path& home, const SwingSettings& s, std::string& error);
// The leaf of a door of width e opened by the angle: the distance across the wall (e sin) and along it
// (e cos), rounded, so that a square leaf keeps the door's width exactly.
struct LeafReach {
    int Across = 0, Along = 0;
};
LeafReach LeafAt(int e, int angleDegrees);

// DOORSZE.CFG: the default single door width, metric in millimetres and imperial in world units.
struct DoorSizes {
    int Metric = 820, Imperial = 720;
};
DoorSizes ReadDoorSizes(const std::filesystem::path& home);
bool WriteDoorSizes(const std::filesystem::path& home, const DoorSizes& d, std::string& error);

// The single door width the doors dialog starts with: the last door's, when it was drawn in the drawing's
// measuring system (its unit value says which); otherwise the default width of that system, so a first door,
// or the first door after changing systems, is the size the door defaults dialog set.
int StartingDoorWidth(const std::optional<DoorSettings>& last, const DoorSizes& defaults, int metricFlag);

} // namespace velmora
