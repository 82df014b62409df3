// World units and their text forms. A world unit is 1 mm in a metric drawing and 1/24 inch in an imperial
// one; the screen mapping works in coarser logical units of 5 mm or 1/4 inch. Everything here is a pure
// function of its arguments, so the window, the dialogs, printing and the tests share one set of rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// World units per logical unit: 5 metric, 6 imperial. Any MetricFlag other than 1 counts as imperial, as
// the drawing header is read that way everywhere.
constexpr int UnitsPerLogicalFor(int metricFlag) {
    return metricFlag == 1 ? 5 : 6;
}
// The normal zoom factor as an integer, also the pen-width factor of printing: 5 metric, 4 imperial.
constexpr int DefaultZoomFor(int metricFlag) {
    return metricFlag == 1 ? 5 : 4;
}
// Logical units per pixel at normal size: one pixel is 25 mm or 1 inch.
constexpr float NormalZoomFor(int metricFlag) {
    return metricFlag == 1 ? 5.0f : 4.0f;
}

constexpr int WorldPerInch = 24;
constexpr int WorldPerFoot = 288;

// A 64-bit value clamped to the int range.
int SaturateToInt(std::int64_t v);

// Truncation toward zero of a float, saturated to the int range (NaN gives 0), so that a wild zoom factor
// can never make a conversion undefined.
int TruncToInt(double x);

// t = trunc(100 x); t div 100, plus 1 when t mod 100 >= 50. Note that for negative x the remainder is
// never >= 50, so negative values are truncated rather than rounded; the scroll rules rely on exactly this.
int RoundHalfUp(double x);

// World to logical truncates toward zero; logical to world multiplies (saturated). A units-per-logical
// below 1 is no valid state; it is read as 1 rather than dividing by zero.
int WorldToLogical(std::int64_t world, int unitsPerLogical);
int LogicalToWorld(std::int64_t logical, int unitsPerLogical);

// The fraction of an inch that a rest in 24ths stands for: only multiples of 3 (eighths) have one,
// reduced (12 -> 1/2). Nothing for 0 and for rests that are not eighths.
struct InchFraction {
    int Numerator = 0;
    int Denominator = 0;
    bool operator==(const InchFraction&) const = default;
};
std::optional<InchFraction> EighthsOf(int rest24);

// A length in world units as text: millimetres ("%ld"), or feet, inches and eighths ("%d' %d %d/%d''",
// or "%d' %d''" when the rest in 24ths is no eighth). A negative imperial length is the minus sign
// before the text of its magnitude, so a negative length keeps its fraction and its sign.
std::string FormatLength(std::int64_t length, int metricFlag);

// The size of one screen pixel for status panel 1: " pixel = 25 mm." (metric, trunc(zoom) x 5), and in
// imperial drawings " pixel = 1''", " pixel = 1/2''", " pixel = 1 1/2''" or, below zoom 1,
// " pixel = 0.125''".
std::string PixelSizeText(float zoomFactor, int metricFlag);

// The feet-and-inches distance entry: its four fields and its rule.
struct FeetFields {
    std::string Feet = "1";
    std::string Inches = "0";
    std::string Numerator = "0";
    std::string Denominator = "0";
    bool operator==(const FeetFields&) const = default;
};

inline constexpr std::string_view FeetRangeMessage = "the input range is 1 to 350 feet";
constexpr int MaxFeet = 350;

// The fields the entry opens with for a value in world units: 1' 0 0/0 for a value of 0 or less; the
// fraction fields keep "0" when the rest is no eighth.
FeetFields FeetFieldsFor(std::int64_t worldValue);

// A whole number typed into an edit: leading and trailing blanks allowed; anything else that is not a
// number reads as 0. Numbers beyond the int range saturate, so they are refused as out of range rather
// than read as 0.
int ReadNumberOrZero(std::string_view text);

// The value of the fields in world units, or nothing when they are out of range (feet 0..350, inches
// 0..11, numerator 0..7, denominator 0..8 and not below the numerator); the caller then shows
// FeetRangeMessage and keeps the entry open.
std::optional<int> FeetFieldsValue(const FeetFields& fields);

} // namespace velmora
