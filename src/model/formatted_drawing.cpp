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
    bool ok = true;
    if (d.Same == 0 && d.SameTail == 0) {
        ok = FormatMarkedDrawing(list, header, shift, Records, error);
    } else {
        MarkedRun<std::string> changed;
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
