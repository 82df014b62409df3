// The settings files below CFG/ of the home folder: the catalogue of every file with the printf format it is
// written with, and small readers and writers that never trust what they read. Every file is one line (a few
// are lists of lines); numbers are 32-bit, strings are stored as a length followed later by exactly that many
// characters. A reader that meets a missing, short or garbled file answers "nothing" and the caller keeps its
// default, so a damaged settings file can never stop a command or feed it nonsense.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// How a file is laid out.
enum class SettingsKind {
    Line,    // one line written with Format
    Lines,   // zero or more lines, each written with Format (selection, print queue, custom colours)
    Drawing, // the drawing file format (checkpoint and spare copy); not read here
};

// Which measuring system a file belongs to. A Metric or Imperial file has a twin for the other system.
enum class SettingsUnits { Any, Metric, Imperial };

struct SettingsFile {
    std::string_view Name;   // as stored below CFG/, upper case except the drawing copies
    std::string_view Format; // the printf format the line is written with
    SettingsKind Kind = SettingsKind::Line;
    SettingsUnits Units = SettingsUnits::Any;
    std::string_view Twin = {}; // the other member of a metric/imperial pair
    // For each %s of Format in order, the index of the number that holds its length.
    std::span<const int> LengthFields = {};
    std::size_t MaxString = 0; // the longest string any %s of this file may hold
};

// Every settings and exchange file the program uses.
std::span<const SettingsFile> SettingsCatalogue();
// The catalogue entry of a file (exact name), or null.
const SettingsFile* FindSettingsFile(std::string_view name);

// The member of a metric/imperial pair that MetricFlag selects (1 metric, 0 imperial), given either member:
// SettingsFileFor("LYTGRIDM.CFG", 0) is "LYTGRIDI.CFG", SettingsFileFor("MOFFSET.CFG", 0) is "IOFFSET.CFG".
// A name without a twin comes back unchanged.
std::string SettingsFileFor(std::string_view name, int MetricFlag);
// The usual pair spelling: stem + "M.CFG" when MetricFlag is 1, else stem + "I.CFG".
std::string MetricTwinName(std::string_view stem, int MetricFlag);

// home/CFG/name.
std::filesystem::path SettingsPath(const std::filesystem::path& home, std::string_view name);

// One file read according to its format: every %d, %ld, %f and %lf in order, and every %s in order. Whole
// numbers are exact (they are 32-bit); %f values fit a float and %lf values are finite.
struct SettingsValues {
    std::vector<double> Numbers;
    std::vector<std::string> Strings;
    std::size_t Rows = 0; // lines read from a list file; 1 for a one-line file

    // Number i truncated toward zero and held to 32 bits (a %f field may hold more).
    std::int32_t Int(std::size_t i) const;
    double Real(std::size_t i) const { return Numbers.at(i); }
};

// Parses text written with file.Format. Nothing when the text does not fit the format, a number overflows
// its type or a stored length is negative, larger than the file's MaxString or longer than what is left.
// Text after the last conversion is ignored, as a formatted read would. A list file yields the rows that
// parse, up to the first one that does not.
std::optional<SettingsValues> ParseSettings(std::string_view text, const SettingsFile& file);
// Reads and parses home/CFG/name through the catalogue. Nothing when the file is missing, unknown to the
// catalogue or does not parse.
std::optional<SettingsValues> ReadSettings(const std::filesystem::path& home, std::string_view name);

// The first count numbers of home/CFG/name, whatever its format: whole numbers for %d and %ld fields,
// decimal numbers for any field. Nothing when the file is missing or holds fewer readable numbers.
std::optional<std::vector<std::int32_t>> ReadSettingsInts(const std::filesystem::path& home,
                                                          std::string_view name, std::size_t count);
std::optional<std::vector<double>> ReadSettingsReals(const std::filesystem::path& home, std::string_view name,
                                                     std::size_t count);

// The range a settings value must lie in before the program uses it.
struct SettingRange {
    double Min = 0;
    double Max = 0;
};

enum class SettingStatus { Ok, Missing, Unreadable, OutOfRange };

// The leading numbers of a settings file, each held to its range.
struct BoundedSettings {
    SettingStatus Status = SettingStatus::Missing;
    // The file's values when Ok; the defaults when the file is unreadable or holds a value out of its range;
    // empty when the file is missing.
    std::vector<double> Values;
    // What was wrong, naming the settings file and the default used instead; empty when Ok or Missing.
    std::string Problem;

    bool Usable() const { return !Values.empty(); }
    // Value i truncated toward zero (the ranges keep it within 32 bits).
    std::int32_t Int(std::size_t i) const;
};

// Reads the first ranges.size() numbers of home/CFG/name (defaults holds one value per range). A missing file
// gives nothing; a file that holds fewer readable numbers, or a value outside its range, gives the defaults
// and a Problem to tell the user.
BoundedSettings ReadBoundedSettings(const std::filesystem::path& home, std::string_view name,
                                    std::span<const SettingRange> ranges, std::span<const double> defaults);

// Writes values as home/CFG/name in the file's catalogue format (numbers only: "%d", "%ld", "%f", "%lf").
// False, with error set, for a file of strings, a count that does not fit the format or a failed write.
bool WriteSettingsValues(const std::filesystem::path& home, std::string_view name,
                         std::span<const double> values, std::string& error);

// Formats one line like printf and writes it atomically as home/CFG/name, every "\n" as CR LF. On failure
// the old file is untouched and error says why.
bool WriteSettingsLine(const std::filesystem::path& home, std::string_view name, std::string& error,
                       const char* format, ...) __attribute__((format(printf, 4, 5)));
// Writes text (LF or CR LF line ends) atomically as home/CFG/name with CR LF line ends.
bool WriteSettingsText(const std::filesystem::path& home, std::string_view name, std::string_view text,
                       std::string& error);

// The default text of TEXT.CFG: size in points, italic, weight and font name.
inline constexpr std::string_view FallbackFontName = "DejaVu Sans";
inline constexpr std::size_t MaxFontNameLength = 31;

struct TextSettings {
    int Size = 10;
    int Italic = 0;
    int Weight = 400;
    std::string FontName{FallbackFontName};
};

// Reads TEXT.CFG ("%d %d %d %d%s"). Nothing when the file is missing or its three numbers cannot be read.
// The name's length is written straight before the name, so a name that begins with a digit runs into it
// ("10 0 400 83D Font"): the reader takes the split of the digits whose length exactly fits the rest of the
// line. A stored length above 31, or a name that does not fit, gives FallbackFontName while the numbers
// are kept. A size outside 1..200 becomes 10, italic becomes 0 or 1 and the weight 400 or 700.
std::optional<TextSettings> ReadTextSettings(const std::filesystem::path& home);
// Writes TEXT.CFG. Refuses an empty name, one longer than 31 characters or one with line breaks.
bool WriteTextSettings(const std::filesystem::path& home, const TextSettings& text, std::string& error);

} // namespace velmora
