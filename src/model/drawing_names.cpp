#include "model/drawing_names.h"

namespace velmora {

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

} // namespace

std::string TidyDrawingName(std::string_view typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = typed.find_last_not_of(' ');
    return std::string(typed.substr(first, last - first + 1));
}

bool IsValidDrawingName(std::string_view name) {
    if (name.empty() || name.size() > MaxDrawingNameLength) return false;
    if (name.front() == ' ' || name.back() == ' ') return false;
    for (char c : name)
        if (!IsNameCharacter(c)) return false;
    return true;
}

} // namespace velmora
