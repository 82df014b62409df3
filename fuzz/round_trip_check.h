// The checks every drawing text must pass, shared by the fuzz target and the corpus replay in the test run:
// a refused text leaves the caller's list and header untouched; an accepted one writes out, reads back and
// writes out again to the very same text.
#pragma once

#include "model/drawing_file.h"

#include <string>
#include <string_view>

namespace velmora::fuzz {

// The sheet shift the checks read and write with: not zero, so coordinates near the limits of 32 bits
// exercise the reader's and the writer's range checks.
inline CoordShift CheckShift() {
    return CoordShift::ForSheet(8000, 5600, 5);
}

// The first line where two texts differ, for a readable failure.
inline std::string FirstDifference(std::string_view a, std::string_view b) {
    std::size_t i = 0, lineStart = 0;
    int line = 1;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        if (a[i] == '\n') ++line, lineStart = i + 1;
        ++i;
    }
    const auto lineOf = [lineStart](std::string_view s) {
        const auto end = s.find('\n', lineStart);
        return std::string(
            s.substr(lineStart, end == std::string_view::npos ? std::string_view::npos : end - lineStart));
    };
    return "line " + std::to_string(line) + ": '" + lineOf(a) + "' became '" + lineOf(b) + "'";
}

// Empty when every check holds, else what went wrong.
inline std::string CheckDrawingRoundTrip(std::string_view data) {
    const CoordShift shift = CheckShift();

    // A list and header that a refusal must leave exactly as they were.
    TFlist list;
    list.Append(std::make_unique<TInfoobj>(32000, 120, 77));
    DrawingHeader header{11, 22, 0, 33};
    const DrawingHeader before = header;
    if (auto fault = ParseDrawing(data, shift, list, header)) {
        if (fault->Message.empty()) return "a refusal without a message";
        if (fault->Line < 1) return "a refusal at line " + std::to_string(fault->Line);
        if (!(header == before)) return "a refused file changed the header";
        if (list.ObjectCount() != 1 || list.At(0)->Kind != 32000 || list.At(0)->Colour != 77)
            return "a refused file changed the list";
        return {};
    }

    std::string first, error;
    if (!FormatDrawing(list, header, shift, first, error))
        return "an accepted file cannot be written: " + error;

    TFlist again;
    DrawingHeader headerAgain;
    if (auto fault = ParseDrawing(first, shift, again, headerAgain))
        return "the written file is refused at line " + std::to_string(fault->Line) + ": " + fault->Message;
    if (!(headerAgain == header)) return "the header changed in the round trip";
    if (again.ObjectCount() != list.ObjectCount())
        return "the round trip read " + std::to_string(again.ObjectCount()) + " objects of " +
               std::to_string(list.ObjectCount());
    for (int i = 0; i < list.ObjectCount(); ++i)
        if (again.At(i)->Class() != list.At(i)->Class() || again.At(i)->Kind != list.At(i)->Kind)
            return "object " + std::to_string(i) + " changed its kind in the round trip";

    std::string second;
    if (!FormatDrawing(again, headerAgain, shift, second, error))
        return "the read-back drawing cannot be written: " + error;
    if (second != first)
        return "the second writing differs from the first, " + FirstDifference(first, second);
    return {};
}

} // namespace velmora::fuzz
