// Reading and writing the settings files. The readers follow the formatted reads the files were designed
// for (whitespace in the format skips any whitespace, numbers end where their digits end, strings are taken
// by their stored length) but refuse what such a read would have trusted blindly: overflowing numbers,
// negative or oversized lengths, strings that run past the line.
#include "app/settings_files.h"

#include "model/file_io.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

namespace velmora {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over the text being read.
struct Scanner {
    std::string_view Text;
    std::size_t Pos = 0;

    void SkipSpace() {
        while (Pos < Text.size() && IsSpace(Text[Pos]))
            ++Pos;
    }
    std::string_view Rest() const { return Text.substr(Pos); }

    // A signed decimal that fits 32 bits, after leading whitespace.
    std::optional<std::int32_t> Int() {
        SkipSpace();
        std::size_t p = Pos;
        if (p < Text.size() && Text[p] == '+') ++p;
        std::int32_t v = 0;
        const char* first = Text.data() + p;
        auto [end, ec] = std::from_chars(first, Text.data() + Text.size(), v);
        if (ec != std::errc() || end == first) return std::nullopt;
        Pos = static_cast<std::size_t>(end - Text.data());
        return v;
    }

    // A finite decimal fraction after leading whitespace; with floatRange it must also fit a float.
    std::optional<double> Real(bool floatRange) {
        SkipSpace();
        std::size_t p = Pos;
        if (p < Text.size() && Text[p] == '+') ++p;
        double v = 0;
        const char* first = Text.data() + p;
        auto [end, ec] = std::from_chars(first, Text.data() + Text.size(), v, std::chars_format::general);
        if (ec != std::errc() || end == first || !std::isfinite(v)) return std::nullopt;
        if (floatRange && std::fabs(v) > FLT_MAX) return std::nullopt;
        Pos = static_cast<std::size_t>(end - Text.data());
        return v;
    }
};

enum class Conv { Int, Float, Double, String };

// One conversion of a format at position i ("%d", "%ld", "%f", "%lf", "%s"); next is set past it.
std::optional<Conv> ConversionAt(std::string_view format, std::size_t i, std::size_t& next) {
    if (i >= format.size() || format[i] != '%') return std::nullopt;
    std::size_t j = i + 1;
    const bool isLong = j < format.size() && format[j] == 'l';
    if (isLong) ++j;
    if (j >= format.size()) return std::nullopt;
    next = j + 1;
    switch (format[j]) {
    case 'd':
        return Conv::Int;
    case 'f':
        return isLong ? Conv::Double : Conv::Float;
    case 's':
        return isLong ? std::nullopt : std::optional<Conv>(Conv::String);
    default:
        return std::nullopt;
    }
}

// True when nothing but whitespace directives follows position i of the format.
bool OnlySpaceFollows(std::string_view format, std::size_t i) {
    return std::all_of(format.begin() + static_cast<std::ptrdiff_t>(i), format.end(), IsSpace);
}

bool Printable(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The rest of the text without the line end that may close it.
std::string_view WithoutLineEnd(std::string_view s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

struct RowParser {
    const SettingsFile& File;
    Scanner& In;
    SettingsValues& Out;

    std::optional<std::int32_t> StoredLength(std::size_t stringIndex) const {
        if (stringIndex >= File.LengthFields.size()) return std::nullopt;
        const auto field = static_cast<std::size_t>(File.LengthFields[stringIndex]);
        if (field >= Out.Numbers.size()) return std::nullopt;
        return Out.Int(field);
    }

    bool LengthAllowed(std::int64_t n, std::size_t available) const {
        return n >= 0 && static_cast<std::size_t>(n) <= File.MaxString &&
               static_cast<std::size_t>(n) <= available;
    }

    // A string of its stored length at the cursor; whitespace before it belongs to the format.
    bool String() {
        const auto n = StoredLength(Out.Strings.size());
        if (!n || !LengthAllowed(*n, In.Rest().size())) return false;
        const std::string_view s = In.Rest().substr(0, static_cast<std::size_t>(*n));
        if (!Printable(s)) return false;
        Out.Strings.emplace_back(s);
        In.Pos += s.size();
        return true;
    }

    bool Number(Conv c) {
        if (c == Conv::Int) {
            const auto v = In.Int();
            if (!v) return false;
            Out.Numbers.push_back(*v);
            return true;
        }
        const auto v = In.Real(c == Conv::Float);
        if (!v) return false;
        Out.Numbers.push_back(*v);
        return true;
    }

    // A whole number written straight before the closing string ("%d%s"). When the string begins with a
    // digit a plain read would run its digits into the number, so the split is taken that makes the string
    // end exactly at the end of the line. Only when no split fits exactly is the plain read used.
    bool GluedNumberAndString() {
        In.SkipSpace();
        const std::string_view rest = WithoutLineEnd(In.Rest());
        const std::size_t stringIndex = Out.Strings.size();
        const std::size_t numberIndex = Out.Numbers.size();
        const bool selfLength = stringIndex < File.LengthFields.size() &&
                                static_cast<std::size_t>(File.LengthFields[stringIndex]) == numberIndex;
        if (selfLength) {
            std::size_t digits = 0;
            while (digits < rest.size() && digits < 9 && IsDigit(rest[digits]))
                ++digits;
            for (std::size_t k = 1; k <= digits; ++k) {
                std::int64_t n = 0;
                for (std::size_t i = 0; i < k; ++i)
                    n = n * 10 + (rest[i] - '0');
                if (static_cast<std::size_t>(n) != rest.size() - k) continue;
                // The stored length fits the line exactly: trust the split, and refuse it when too long.
                if (static_cast<std::size_t>(n) > File.MaxString) return false;
                Out.Numbers.push_back(static_cast<double>(n));
                In.Pos += k;
                return String();
            }
        } else if (const auto n = StoredLength(stringIndex); n && LengthAllowed(*n, rest.size())) {
            // The length is known: the string is the end of the line, the number everything before it.
            Scanner number{rest.substr(0, rest.size() - static_cast<std::size_t>(*n))};
            if (const auto v = number.Int(); v && number.Pos == number.Text.size()) {
                Out.Numbers.push_back(*v);
                In.Pos += number.Pos;
                return String();
            }
        }
        return Number(Conv::Int) && String();
    }

    bool Row() {
        const std::string_view f = File.Format;
        std::size_t i = 0;
        while (i < f.size()) {
            if (IsSpace(f[i])) {
                In.SkipSpace();
                ++i;
                continue;
            }
            if (f[i] != '%') {
                if (In.Pos >= In.Text.size() || In.Text[In.Pos] != f[i]) return false;
                ++In.Pos;
                ++i;
                continue;
            }
            std::size_t next = i;
            const auto c = ConversionAt(f, i, next);
            if (!c) return false;
            std::size_t afterString = next;
            if (c == Conv::Int && ConversionAt(f, next, afterString) == Conv::String &&
                OnlySpaceFollows(f, afterString)) {
                if (!GluedNumberAndString()) return false;
                i = afterString;
                continue;
            }
            if (!(c == Conv::String ? String() : Number(*c))) return false;
            i = next;
        }
        return true;
    }
};

std::optional<std::string> ReadSettingsText(const std::filesystem::path& home, std::string_view name) {
    // The list files (a selection, the print queue) grow with the drawing; the one-line files stay small.
    const SettingsFile* file = FindSettingsFile(name);
    const bool list = file && file->Kind == SettingsKind::Lines;
    return ReadWholeFile(SettingsPath(home, name), list ? DrawingReadLimit : SettingsReadLimit);
}

// The first count numbers of a settings file, each taken by next; nothing when the file holds fewer.
template <typename T, typename Next>
std::optional<std::vector<T>> ReadLeadingNumbers(const std::filesystem::path& home, std::string_view name,
                                                 std::size_t count, Next next) {
    const auto text = ReadSettingsText(home, name);
    if (!text) return std::nullopt;
    Scanner in{*text};
    std::vector<T> out;
    out.reserve(std::min<std::size_t>(count, 64));
    while (out.size() < count) {
        const auto v = next(in);
        if (!v) return std::nullopt;
        out.push_back(*v);
    }
    return out;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

std::int32_t SettingsValues::Int(std::size_t i) const {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(Numbers.at(i)), lo, hi));
}

std::optional<SettingsValues> ParseSettings(std::string_view text, const SettingsFile& file) {
    if (file.Kind == SettingsKind::Drawing) return std::nullopt;
    SettingsValues values;
    Scanner in{text};
    if (file.Kind == SettingsKind::Line) {
        if (!RowParser{file, in, values}.Row()) return std::nullopt;
        values.Rows = 1;
        return values;
    }
    // A list: rows until the text ends or a row does not parse; a broken row ends the list.
    for (;;) {
        in.SkipSpace();
        if (in.Pos >= text.size()) break;
        SettingsValues row;
        if (!RowParser{file, in, row}.Row()) break;
        values.Numbers.insert(values.Numbers.end(), row.Numbers.begin(), row.Numbers.end());
        values.Strings.insert(values.Strings.end(), row.Strings.begin(), row.Strings.end());
        ++values.Rows;
    }
    return values;
}

std::optional<SettingsValues> ReadSettings(const std::filesystem::path& home, std::string_view name) {
    const SettingsFile* file = FindSettingsFile(name);
    if (!file) return std::nullopt;
    const auto text = ReadSettingsText(home, name);
    if (!text) return std::nullopt;
    return ParseSettings(*text, *file);
}

std::optional<std::vector<std::int32_t>> ReadSettingsInts(const std::filesystem::path& home,
                                                          std::string_view name, std::size_t count) {
    return ReadLeadingNumbers<std::int32_t>(home, name, count, [](Scanner& in) { return in.Int(); });
}

std::optional<std::vector<double>> ReadSettingsReals(const std::filesystem::path& home, std::string_view name,
                                                     std::size_t count) {
    return ReadLeadingNumbers<double>(home, name, count, [](Scanner& in) { return in.Real(true); });
}

namespace {

std::string ValuesText(std::span<const double> values) {
    std::string out;
    for (double v : values) {
        if (!out.empty()) out += ' ';
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.10g", v);
        out += buf;
    }
    return out;
}

std::string FileProblem(std::string_view name, const std::string& what, std::span<const double> defaults) {
    return "the settings file CFG/" + std::string(name) + " " + what + " - the default " +
           ValuesText(defaults) + " is used";
}

} // namespace

std::int32_t BoundedSettings::Int(std::size_t i) const {
    return static_cast<std::int32_t>(std::trunc(Values.at(i)));
}

BoundedSettings ReadBoundedSettings(const std::filesystem::path& home, std::string_view name,
                                    std::span<const SettingRange> ranges, std::span<const double> defaults) {
    BoundedSettings out;
    if (!ReadSettingsText(home, name)) return out;
    const auto read = ReadSettingsReals(home, name, ranges.size());
    const std::vector<double> fallback(defaults.begin(), defaults.end());
    if (!read) {
        out.Status = SettingStatus::Unreadable;
        out.Values = fallback;
        out.Problem = FileProblem(name, "cannot be read", defaults);
        return out;
    }
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const double v = (*read)[i];
        if (v < ranges[i].Min || v > ranges[i].Max) {
            out.Status = SettingStatus::OutOfRange;
            out.Values = fallback;
            out.Problem =
                FileProblem(name,
                            "holds " + ValuesText(*read) + ", outside " + ValuesText({&ranges[i].Min, 1}) +
                                " to " + ValuesText({&ranges[i].Max, 1}),
                            defaults);
            return out;
        }
    }
    out.Status = SettingStatus::Ok;
    out.Values = *read;
    return out;
}

bool WriteSettingsValues(const std::filesystem::path& home, std::string_view name,
                         std::span<const double> values, std::string& error) {
    const SettingsFile* file = FindSettingsFile(name);
    std::string line;
    std::size_t used = 0;
    bool fits = file && file->Kind == SettingsKind::Line;
    const std::string_view f = fits ? file->Format : std::string_view{};
    for (std::size_t i = 0; fits && i < f.size();) {
        std::size_t next = i;
        const auto c = ConversionAt(f, i, next);
        if (!c) {
            line += f[i++];
            continue;
        }
        fits = *c != Conv::String && used < values.size();
        if (!fits) break;
        char buf[48];
        if (*c == Conv::Int)
            std::snprintf(buf, sizeof buf, "%ld", static_cast<long>(values[used]));
        else
            std::snprintf(buf, sizeof buf, "%f", values[used]);
        line += buf;
        ++used;
        i = next;
    }
    if (!fits || used != values.size()) {
        error = "the values do not fit the settings file " + std::string(name);
        return false;
    }
    return WriteSettingsText(home, name, line, error);
}

bool WriteSettingsText(const std::filesystem::path& home, std::string_view name, std::string_view text,
                       std::string& error) {
    return WriteFileAtomic(SettingsPath(home, name), WithCrLf(text), error);
}

bool WriteSettingsLine(const std::filesystem::path& home, std::string_view name, std::string& error,
                       const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        error = "cannot format the settings of " + std::string(name);
        return false;
    }
    std::string line(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(line.data(), line.size(), format, again);
    va_end(again);
    line.resize(static_cast<std::size_t>(n));
    return WriteSettingsText(home, name, line, error);
}

std::optional<TextSettings> ReadTextSettings(const std::filesystem::path& home) {
    const auto text = ReadSettingsText(home, "TEXT.CFG");
    if (!text) return std::nullopt;
    TextSettings t;
    if (const auto v = ParseSettings(*text, *FindSettingsFile("TEXT.CFG"))) {
        t.Size = v->Int(0);
        t.Italic = v->Int(1);
        t.Weight = v->Int(2);
        if (!v->Strings[0].empty()) t.FontName = v->Strings[0];
    } else {
        // The name is unusable; the size, italic flag and weight before it still count.
        Scanner in{*text};
        const auto size = in.Int();
        const auto italic = in.Int();
        const auto weight = in.Int();
        if (!size || !italic || !weight) return std::nullopt;
        t.Size = *size;
        t.Italic = *italic;
        t.Weight = *weight;
    }
    if (t.Size < 1 || t.Size > 200) t.Size = 10;
    t.Italic = t.Italic != 0 ? 1 : 0;
    t.Weight = t.Weight >= 500 ? 700 : 400;
    return t;
}

bool WriteTextSettings(const std::filesystem::path& home, const TextSettings& text, std::string& error) {
    if (text.FontName.empty() || text.FontName.size() > MaxFontNameLength || !Printable(text.FontName)) {
        error = "the font name must have 1 to 31 characters";
        return false;
    }
    return WriteSettingsLine(home, "TEXT.CFG", error, "%d %d %d %d%s", text.Size, text.Italic, text.Weight,
                             static_cast<int>(text.FontName.size()), text.FontName.c_str());
}

} // namespace velmora
