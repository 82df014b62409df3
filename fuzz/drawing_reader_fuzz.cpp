// Feeds arbitrary bytes to the drawing reader. Whatever it accepts must write out and read back unchanged;
// whatever it refuses must leave the caller's list alone. Any other outcome, or a sanitizer report, is a
// fault.
#include "round_trip_check.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem =
        velmora::fuzz::CheckDrawingRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "drawing round trip broken: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
