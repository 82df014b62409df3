// What a file held when this program wrote it, in sixteen bytes: its size and a checksum of its bytes. A
// file whose stamp differs from the one kept for it was changed (or replaced) by something else.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace velmora {

struct FileStamp {
    std::uint64_t Size = 0;
    std::uint64_t Sum = 0;
    bool operator==(const FileStamp&) const = default;
};

// FNV-1a taken eight bytes at a time: cheap beside the writing of the file (several GB/s), and since every
// step is a bijection of the running sum, a change of any one byte always changes the result.
inline FileStamp StampOf(std::string_view bytes) {
    constexpr std::uint64_t Prime = 1099511628211ull;
    std::uint64_t h = 14695981039346656037ull;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        h = (h ^ word) * Prime;
    }
    for (; i < bytes.size(); ++i)
        h = (h ^ static_cast<unsigned char>(bytes[i])) * Prime;
    return {bytes.size(), h};
}

} // namespace velmora
