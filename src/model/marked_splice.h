// A run of items cut into consecutive pieces, one per object, with marks where each piece starts and a last
// mark at the end: the formatted text of a list (pieces: records) and the numbers of its image (pieces: the
// numbers of one object). Replacing the pieces between a kept head and a kept tail by new ones moves the tail
// and its marks and leaves the head as it was, so a change near the end of a long list costs only the change.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

template <class Items> struct MarkedRun {
    Items Data;
    std::vector<std::size_t> Starts{0}; // piece i is [Starts[i], Starts[i + 1]); the last mark is the end

    int Pieces() const { return static_cast<int>(Starts.size()) - 1; }
    // Begins piece number Pieces() at the end of Data.
    void EndPiece() { Starts.push_back(Data.size()); }
};

// Items [from, to) of data become mid.
inline void ReplaceItems(std::string& data, std::size_t from, std::size_t to, const std::string& mid) {
    data.replace(from, to - from, mid);
}
template <class T>
void ReplaceItems(std::vector<T>& data, std::size_t from, std::size_t to, const std::vector<T>& mid) {
    const std::size_t common = std::min(to - from, mid.size());
    std::copy(mid.begin(), mid.begin() + static_cast<std::ptrdiff_t>(common),
              data.begin() + static_cast<std::ptrdiff_t>(from));
    const auto at = data.begin() + static_cast<std::ptrdiff_t>(from + common);
    if (mid.size() > common)
        data.insert(at, mid.begin() + static_cast<std::ptrdiff_t>(common), mid.end());
    else
        data.erase(at, data.begin() + static_cast<std::ptrdiff_t>(to));
}

// The pieces of run after its first head and before its last tail become the pieces of mid (a run of its own,
// starting at 0).
template <class Items>
void SplicePieces(MarkedRun<Items>& run, int head, int tail, const MarkedRun<Items>& mid) {
    std::vector<std::size_t>& starts = run.Starts;
    const std::size_t m = starts.size() - 1;
    const std::size_t from = starts[static_cast<std::size_t>(head)],
                      to = starts[m - static_cast<std::size_t>(tail)];
    ReplaceItems(run.Data, from, to, mid.Data);
    const std::ptrdiff_t moved =
        static_cast<std::ptrdiff_t>(mid.Data.size()) - static_cast<std::ptrdiff_t>(to - from);
    std::vector<std::size_t> tailStarts(starts.end() - tail - 1, starts.end());
    starts.resize(static_cast<std::size_t>(head));
    for (int i = 0; i < mid.Pieces(); ++i)
        starts.push_back(from + mid.Starts[static_cast<std::size_t>(i)]);
    for (const std::size_t s : tailStarts)
        starts.push_back(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(s) + moved));
}

// What comes before the first piece becomes head; the marks move with the pieces.
template <class Items> void ReplaceHead(MarkedRun<Items>& run, const Items& head) {
    const std::size_t old = run.Starts.front();
    ReplaceItems(run.Data, 0, old, head);
    if (head.size() != old)
        for (std::size_t& s : run.Starts)
            s = s - old + head.size();
}

} // namespace velmora
