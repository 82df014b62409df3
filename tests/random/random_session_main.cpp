// velmora-random-session SEED [ACTIONS [WIDTHxHEIGHT]]: writes the script of one random session to
// standard output (tests/random/random_sessions.cmake runs them).
#include "random/session_generator.h"

#include <charconv>
#include <iostream>
#include <string_view>

namespace {

bool ReadNumber(std::string_view s, auto& value) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), value);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

} // namespace

int main(int argc, char** argv) {
    velmora::RandomSessionSpec spec;
    bool ok = argc >= 2 && argc <= 4 && ReadNumber(argv[1], spec.Seed);
    if (ok && argc >= 3) ok = ReadNumber(argv[2], spec.Actions) && spec.Actions >= 0;
    if (ok && argc == 4) {
        const std::string_view size = argv[3];
        const auto x = size.find('x');
        ok = x != std::string_view::npos && ReadNumber(size.substr(0, x), spec.Width) &&
             ReadNumber(size.substr(x + 1), spec.Height) && spec.Width > 0 && spec.Height > 0;
    }
    if (!ok) {
        std::cerr << "usage: velmora-random-session SEED [ACTIONS [WIDTHxHEIGHT]]\n";
        return 2;
    }
    std::cout << velmora::GenerateRandomSession(spec);
    return 0;
}
