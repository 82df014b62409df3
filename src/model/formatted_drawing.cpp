#include "model/formatted_drawing.h"

namespace velmora {

bool FormattedDrawing::Update(const TFlist& list, const DrawingHeader& header, CoordShift shift,
                              std::string& error) {
    const ListDifference d = Imaged.Compare(list, shift);
    MarkedRun<std::string> changed;
    bool ok = true;
    if (d.Same == 0 && d.SameTail == 0) {
        changed.Data = FormatHeaderLine(list.ObjectCount(), header);
        changed.Starts = {changed.Data.size()};
        changed.Starts.reserve(static_cast<std::size_t>(list.ObjectCount()) + 1);
        ok = FormatRecords(list, 0, list.ObjectCount(), shift, changed, error);
        Records = std::move(changed);
    } else {
        ok = FormatRecords(list, d.Same, list.ObjectCount() - d.SameTail, shift, changed, error);
        if (ok) {
            SplicePieces(Records, d.Same, d.SameTail, changed);
            ReplaceHead(Records, FormatHeaderLine(list.ObjectCount(), header));
        }
    }
    if (!ok) {
        *this = FormattedDrawing{};
        return false;
    }
    Imaged.Update(d, list, header, shift);
    return true;
}

} // namespace velmora
