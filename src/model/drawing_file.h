// The drawing file: a header line and one record per object, every view of the drawing in one plain text
// file. Coordinates are stored relative to the centre of the sheet. Lines end with CR LF on disk; the reader
// takes CR LF and LF alike. The reader checks everything it reads: a damaged file is refused whole, with the
// line and what is wrong, and never fills half an object.
#pragma once

#include "model/marked_splice.h"
#include "model/object_list.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The counters kept in the header line besides the record count.
struct DrawingHeader {
    std::int32_t DesignRoomCount = 0;
    std::int32_t MarkCount = 0;
    std::int32_t MetricFlag = 1;
    std::int32_t NextElementNo = 0;
    bool operator==(const DrawingHeader&) const = default;
};

// The offset between stored and in-memory coordinates: half the sheet, in world units.
struct CoordShift {
    std::int32_t OX = 0;
    std::int32_t OY = 0;
    static CoordShift ForSheet(std::int32_t sheetWidth, std::int32_t sheetHeight,
                               std::int32_t unitsPerLogical);
    bool operator==(const CoordShift&) const = default;
};

// Moves a list read with one shift to another: every field the file stores relative to the sheet changes by
// the difference, exactly as writing the list with `from` and reading it back with `to` would, so that the
// coordinates the file stores stay what they are. False, with nothing moved, when a coordinate would leave
// the 32-bit range or an object has no record the file could hold.
bool MoveToShift(TFlist& list, CoordShift from, CoordShift to);

struct ParseError {
    int Line = 0;
    std::string Message;
};

// Writes the whole drawing as file text. Fails (with a message) only for an object the file cannot hold.
bool FormatDrawing(const TFlist& list, const DrawingHeader& header, CoordShift shift, std::string& out,
                   std::string& error);

// The pieces of FormatDrawing: the header line, then one record per object, each record a kind line and the
// object's own lines. FormatRecords appends the records of objects first to last - 1 to out, one piece each;
// it fails, naming the object by its place in list, only for an object the file cannot hold, and out is then
// to be thrown away.
std::string FormatHeaderLine(std::int32_t objectCount, const DrawingHeader& header);
bool FormatRecords(const TFlist& list, int first, int last, CoordShift shift, MarkedRun<std::string>& out,
                   std::string& error);
// FormatDrawing's text with where each record starts: the header line comes before the first record.
bool FormatMarkedDrawing(const TFlist& list, const DrawingHeader& header, CoordShift shift,
                         MarkedRun<std::string>& out, std::string& error);

// Reads file text. On success the list holds the drawing and the header its values; on failure both are
// left as they were.
std::optional<ParseError> ParseDrawing(std::string_view data, CoordShift shift, TFlist& list,
                                       DrawingHeader& header);

// Refused: the name is there but is no drawing file to read (a FIFO, device or directory, or too large).
enum class FileStatus { Ok, Missing, Damaged, Refused, Unwritable };

struct FileResult {
    FileStatus Status = FileStatus::Ok;
    std::string Message; // names the file; for a damaged file also the line and what is wrong
    bool Ok() const { return Status == FileStatus::Ok; }
    // The file is there and cannot be taken: whatever the list held stays, and the user is told why.
    bool Unusable() const { return Status == FileStatus::Damaged || Status == FileStatus::Refused; }
};

FileResult ReadDrawingFile(const std::filesystem::path& path, CoordShift shift, TFlist& list,
                           DrawingHeader& header);
// Saves atomically: the old file stays as it was unless the whole new one was written.
FileResult WriteDrawingFile(const std::filesystem::path& path, const TFlist& list,
                            const DrawingHeader& header, CoordShift shift);

} // namespace velmora
