#include "model/formatted_drawing.h"

namespace velmora {

TextUpdate FormattedDrawing::Update(const TFlist& list, const DrawingHeader& header, CoordShift shift,
                                    std::string& error) {
    const ListDifference d = Imaged.Compare(list, shift);
    const int count = list.ObjectCount();
    std::string headerLine = FormatHeaderLine(count, header);
    if (d.Same == count && Records.Pieces() == count &&
        Records.Data.compare(0, Records.Starts.front(), headerLine) == 0)
        return TextUpdate::Kept;
    MarkedRun<std::string> changed;
    bool ok = true;
    if (d.Same == 0 && d.SameTail == 0) {
        changed.Data = std::move(headerLine);
        changed.Starts = {changed.Data.size()};
        changed.Starts.reserve(static_cast<std::size_t>(count) + 1);
        ok = FormatRecords(list, 0, count, shift, changed, error);
        Records = std::move(changed);
    } else {
        ok = FormatRecords(list, d.Same, count - d.SameTail, shift, changed, error);
        if (ok) {
            SplicePieces(Records, d.Same, d.SameTail, changed);
            ReplaceHead(Records, headerLine);
        }
    }
    if (!ok) {
        *this = FormattedDrawing{};
        return TextUpdate::Refused;
    }
    Imaged.Update(d, list, header, shift);
    return TextUpdate::Changed;
}

} // namespace velmora
