#include "output/bmp_writer.h"

#include "model/file_io.h"

#include <string_view>

namespace velmora {

std::vector<std::uint8_t> EncodeBmp(const Dib& dib) {
    std::vector<std::uint8_t> out;
    const std::uint64_t offset = 14 + dib.Header.size();
    const std::uint64_t total = offset + dib.Bits.size();
    out.reserve(static_cast<std::size_t>(total));
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(total));
    PutU32(out, 0); // two reserved words
    PutU32(out, static_cast<std::uint32_t>(offset));
    out.insert(out.end(), dib.Header.begin(), dib.Header.end());
    out.insert(out.end(), dib.Bits.begin(), dib.Bits.end());
    return out;
}

bool WriteBmpFile(const std::filesystem::path& path, const Dib& dib, std::string& error) {
    if (14 + static_cast<std::uint64_t>(dib.Header.size()) + dib.Bits.size() > 0xFFFFFFFFull) {
        error = "the picture is too large for a BMP file";
        return false;
    }
    const std::vector<std::uint8_t> bytes = EncodeBmp(dib);
    return WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                           error);
}

} // namespace velmora
