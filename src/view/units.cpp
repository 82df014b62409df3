#include "view/units.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>

namespace velmora {

int SaturateToInt(std::int64_t v) {
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

namespace {

template <typename... Args> std::string Format(const char* format, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// Imperial text of a non-negative length.
std::string FormatImperialMagnitude(std::int64_t length) {
    const std::int64_t allInches = length / WorldPerInch;
    const int rest = static_cast<int>(length % WorldPerInch);
    const long long feet = allInches / 12;
    const int inches = static_cast<int>(allInches % 12);
    if (const auto f = EighthsOf(rest))
        return Format("%lld' %d %d/%d''", feet, inches, f->Numerator, f->Denominator);
    return Format("%lld' %d''", feet, inches);
}

} // namespace

int TruncToInt(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT_MAX;
    if (x <= -2147483648.0) return INT_MIN;
    return static_cast<int>(x);
}

int RoundHalfUp(double x) {
    // trunc(100 x) must not overflow on the way: work in 64 bits and saturate at the end.
    const double scaled = 100.0 * x;
    std::int64_t t;
    if (std::isnan(scaled))
        t = 0;
    else if (scaled >= 9.0e18)
        t = INT64_MAX;
    else if (scaled <= -9.0e18)
        t = INT64_MIN;
    else
        t = static_cast<std::int64_t>(scaled);
    return SaturateToInt(t / 100 + (t % 100 >= 50 ? 1 : 0));
}

int WorldToLogical(std::int64_t world, int unitsPerLogical) {
    return SaturateToInt(world / (unitsPerLogical < 1 ? 1 : unitsPerLogical));
}

int LogicalToWorld(std::int64_t logical, int unitsPerLogical) {
    return SaturateToInt(logical * (unitsPerLogical < 1 ? 1 : unitsPerLogical));
}

std::optional<InchFraction> EighthsOf(int rest24) {
    if (rest24 <= 0 || rest24 >= WorldPerInch || rest24 % 3 != 0) return std::nullopt;
    int numerator = rest24 / 3;
    int denominator = 8;
    while (numerator % 2 == 0)
        numerator /= 2, denominator /= 2;
    return InchFraction{numerator, denominator};
}

std::string FormatLength(std::int64_t length, int metricFlag) {
    if (metricFlag == 1) return Format("%lld", static_cast<long long>(length));
    if (length < 0) return "-" + FormatImperialMagnitude(-length);
    return FormatImperialMagnitude(length);
}

std::string PixelSizeText(float zoomFactor, int metricFlag) {
    if (metricFlag == 1)
        return Format(" pixel = %d mm.", SaturateToInt(std::int64_t{TruncToInt(zoomFactor)} * 5));
    if (zoomFactor < 1.0f) return Format(" pixel = %.3f''", zoomFactor * 0.25);
    const int z = TruncToInt(zoomFactor);
    const int whole = z / 4;
    const int quarters = z % 4;
    if (quarters == 0) return Format(" pixel = %d''", whole);
    const InchFraction f = quarters == 2 ? InchFraction{1, 2} : InchFraction{quarters, 4};
    if (whole == 0) return Format(" pixel = %d/%d''", f.Numerator, f.Denominator);
    return Format(" pixel = %d %d/%d''", whole, f.Numerator, f.Denominator);
}

FeetFields FeetFieldsFor(std::int64_t worldValue) {
    FeetFields fields;
    if (worldValue <= 0) return fields;
    const std::int64_t allInches = worldValue / WorldPerInch;
    fields.Feet = std::to_string(allInches / 12);
    fields.Inches = std::to_string(allInches % 12);
    if (const auto f = EighthsOf(static_cast<int>(worldValue % WorldPerInch))) {
        fields.Numerator = std::to_string(f->Numerator);
        fields.Denominator = std::to_string(f->Denominator);
    }
    return fields;
}

int ReadNumberOrZero(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '-' || text[begin] == '+')) negative = text[begin++] == '-';
    if (begin == end) return 0;
    std::int64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
        if (value <= INT_MAX) value = value * 10 + (text[i] - '0');
    }
    return SaturateToInt(negative ? -value : value);
}

std::optional<int> FeetFieldsValue(const FeetFields& fields) {
    const int feet = ReadNumberOrZero(fields.Feet);
    const int inches = ReadNumberOrZero(fields.Inches);
    const int numerator = ReadNumberOrZero(fields.Numerator);
    const int denominator = ReadNumberOrZero(fields.Denominator);
    if (feet < 0 || feet > MaxFeet || inches < 0 || inches > 11 || numerator < 0 || numerator > 7 ||
        denominator < 0 || denominator > 8 || denominator < numerator)
        return std::nullopt;
    int value = feet * WorldPerFoot + inches * WorldPerInch;
    if (denominator > 0) value += numerator * WorldPerInch / denominator;
    return value;
}

} // namespace velmora
