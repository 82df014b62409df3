#include "model/drawing_file.h"

#include "model/file_io.h"
#include "model/object_records.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace velmora {

CoordShift CoordShift::ForSheet(std::int32_t sheetWidth, std::int32_t sheetHeight,
                                std::int32_t unitsPerLogical) {
    const auto half = [unitsPerLogical](std::int32_t side) {
        const std::int64_t v = std::int64_t{side} * unitsPerLogical / 2;
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max()));
    };
    return {half(sheetWidth), half(sheetHeight)};
}

namespace {

bool FitsInt32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

// Writes one record: numbers separated by single blanks, a blank before the strings, CR LF at line ends.
// The text goes straight into the output's own storage, grown ahead of the writing; Finish cuts it to what
// was written. (Appending piece by piece went through the string's general replace at every number, which
// took most of a large drawing's save.)
class RecordWriter {
public:
    // Writes on after what out already holds, with room made for about expected more bytes.
    RecordWriter(std::string& out, CoordShift shift, std::size_t expected)
        : Out(out), Shift(shift), Used(out.size()) {
        Out.resize(Used + expected);
    }
    std::size_t Size() const { return Used; }

    void Kind(std::int32_t v) { N(v); }
    void N(std::int32_t v) {
        char* p = Room(16);
        if (!LineStart) *p++ = ' ';
        LineStart = false;
        Used = static_cast<std::size_t>(std::to_chars(p, p + 11, v).ptr - Out.data());
    }
    void X(std::int32_t v) { Shifted(v, Shift.OX); }
    void Y(std::int32_t v) { Shifted(v, Shift.OY); }
    void VertexCount(std::int32_t v) { N(v); }
    void Len(const std::string& s, std::size_t) { N(static_cast<std::int32_t>(s.size())); }
    void Str(const std::string& s) {
        char* p = Room(s.size() + 1);
        if (!InStrings) *p++ = ' ', ++Used;
        InStrings = true;
        s.copy(p, s.size());
        Used += s.size();
    }
    void EndLine() {
        char* p = Room(2);
        p[0] = '\r', p[1] = '\n';
        Used += 2;
        LineStart = true;
        InStrings = false;
    }
    void Finish() { Out.resize(Used); }
    bool OutOfRange = false;

private:
    // Where the next n bytes go.
    char* Room(std::size_t n) {
        if (Out.size() < Used + n) Out.resize(std::max(Out.size() * 2, Used + n + 4096));
        return Out.data() + Used;
    }
    void Shifted(std::int32_t v, std::int32_t shift) {
        const std::int64_t stored = std::int64_t{v} - shift;
        if (!FitsInt32(stored)) OutOfRange = true;
        N(static_cast<std::int32_t>(stored));
    }

    std::string& Out;
    CoordShift Shift;
    std::size_t Used;
    bool LineStart = true;
    bool InStrings = false;
};

// Reads records from file text held in memory. The first fault stops the reading; every later call is a
// no-op, and the caller checks Failed() once per record.
class RecordReader {
public:
    RecordReader(std::string_view data, CoordShift shift)
        : P(data.data()), End(data.data() + data.size()), Shift(shift) {}

    bool Failed() const { return Error.has_value(); }
    const ParseError& Fault() const { return *Error; }
    int LineNo() const { return Line; }
    bool AtEnd() const { return P == End; }

    void Fail(std::string message) {
        if (!Error) Error = ParseError{Line, std::move(message)};
    }

    // The rest of the file is blank.
    bool OnlyBlanksLeft() {
        while (P != End && (*P == ' ' || *P == '\t' || *P == '\r' || *P == '\n')) {
            if (*P == '\n') ++Line;
            ++P;
        }
        return P == End;
    }

    void ExpectKind(std::int32_t kind) { Expected = kind; }

    std::int32_t Number() {
        std::int32_t v = 0;
        N(v);
        return v;
    }

    void Kind(std::int32_t& f) {
        N(f);
        if (!Failed() && f != Expected)
            Fail("record kind " + std::to_string(f) + " differs from its kind line " +
                 std::to_string(Expected));
    }
    void N(std::int32_t& f) {
        if (Failed()) return;
        SkipBlanks();
        if (P == End) return Fail("the file ends inside a record");
        if (*P == '\r' || *P == '\n') return Fail("the line ends where a number belongs");
        const char* start = P;
        if (*P == '-' || *P == '+') ++P;
        const char* digits = P;
        std::int64_t v = 0;
        while (P != End && *P >= '0' && *P <= '9') {
            if (v <= std::numeric_limits<std::int32_t>::max()) v = v * 10 + (*P - '0');
            ++P;
        }
        if (P == digits || (P != End && !IsSeparator(*P))) {
            while (P != End && !IsSeparator(*P))
                ++P;
            return Fail("'" + Excerpt(start, P) + "' where a number belongs");
        }
        if (*start == '-') v = -v;
        if (!FitsInt32(v)) return Fail("number " + Excerpt(start, P) + " is out of range");
        f = static_cast<std::int32_t>(v);
    }
    void X(std::int32_t& f) { Shifted(f, Shift.OX); }
    void Y(std::int32_t& f) { Shifted(f, Shift.OY); }
    void VertexCount(std::int32_t& f) {
        N(f);
        if (Failed()) return;
        if (f < 0)
            Fail("vertex count " + std::to_string(f) + " is negative");
        else if (f > TPolyobj::MaxVertices)
            Fail(std::to_string(f) + " vertices, more than " + std::to_string(TPolyobj::MaxVertices));
        // The record's vertex loop runs on this count even after a fault: a refused count must not walk it
        // past the vertex arrays (or two billion times round a no-op).
        if (Failed()) f = 0;
    }
    void Len(std::string& s, std::size_t maxLen) {
        std::int32_t n = 0;
        N(n);
        if (Failed()) return;
        if (n < 0 || static_cast<std::size_t>(n) > maxLen)
            return Fail("string length " + std::to_string(n) + " is beyond its field of " +
                        std::to_string(maxLen));
        Pending[PendingCount++] = {&s, static_cast<std::size_t>(n)};
    }
    void Str(std::string& s) {
        if (Failed()) return;
        const std::size_t n = PendingLength(s);
        if (!InStrings) {
            // Exactly the one blank the writer puts before the strings: a string may itself begin with
            // blanks.
            InStrings = true;
            if (P != End && *P == ' ')
                ++P;
            else if (!(n == 0 && AllPendingEmpty() && (P == End || *P == '\r' || *P == '\n')))
                return Fail("the blank before the strings is missing");
        }
        if (static_cast<std::size_t>(End - P) < n) return Fail("a string runs past the end of the file");
        for (std::size_t i = 0; i < n; ++i)
            if (P[i] == '\n' || P[i] == '\r') return Fail("a string runs past the end of its line");
        s.assign(P, n);
        P += n;
    }
    void EndLine() {
        if (Failed()) return;
        if (!InStrings) SkipBlanks();
        if (P != End && *P == '\r') ++P;
        if (P != End && *P != '\n') {
            const char* start = P;
            while (P != End && *P != '\n' && *P != '\r')
                ++P;
            return Fail(InStrings
                            ? "the strings are longer than their lengths say ('" + Excerpt(start, P) + "')"
                            : "'" + Excerpt(start, P) + "' after the last number of the line");
        }
        if (P != End) ++P, ++Line;
        InStrings = false;
        PendingCount = 0;
    }

private:
    static bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static std::string Excerpt(const char* from, const char* to) {
        return std::string(from, std::min<std::size_t>(static_cast<std::size_t>(to - from), 24));
    }
    void SkipBlanks() {
        while (P != End && (*P == ' ' || *P == '\t'))
            ++P;
    }
    void Shifted(std::int32_t& f, std::int32_t shift) {
        N(f);
        if (Failed()) return;
        const std::int64_t v = std::int64_t{f} + shift;
        if (!FitsInt32(v)) return Fail("coordinate " + std::to_string(f) + " is out of range");
        f = static_cast<std::int32_t>(v);
    }
    std::size_t PendingLength(const std::string& s) const {
        for (int i = 0; i < PendingCount; ++i)
            if (Pending[i].Target == &s) return Pending[i].Length;
        return 0;
    }
    bool AllPendingEmpty() const {
        for (int i = 0; i < PendingCount; ++i)
            if (Pending[i].Length != 0) return false;
        return true;
    }

    struct PendingString {
        const std::string* Target = nullptr;
        std::size_t Length = 0;
    };

    const char* P;
    const char* End;
    CoordShift Shift;
    int Line = 1;
    std::int32_t Expected = 0;
    bool InStrings = false;
    PendingString Pending[3];
    int PendingCount = 0;
    std::optional<ParseError> Error;
};

// Moves the sheet-relative fields of one record by (Dx, Dy); with Apply off it only checks that they would
// stay in range. Every other field of the record is left alone.
class RecordMover {
public:
    RecordMover(std::int64_t dx, std::int64_t dy, bool apply) : Dx(dx), Dy(dy), Apply(apply) {}

    template <class... A> void Kind(A&&...) {}
    template <class... A> void N(A&&...) {}
    template <class... A> void VertexCount(A&&...) {}
    template <class... A> void Len(A&&...) {}
    template <class... A> void Str(A&&...) {}
    void EndLine() {}
    void X(std::int32_t& f) { Move(f, Dx); }
    void Y(std::int32_t& f) { Move(f, Dy); }
    bool Fits = true;

private:
    void Move(std::int32_t& f, std::int64_t d) {
        const std::int64_t v = f + d;
        if (!FitsInt32(v))
            Fits = false;
        else if (Apply)
            f = static_cast<std::int32_t>(v);
    }

    std::int64_t Dx, Dy;
    bool Apply;
};

bool HasStorableVertices(const TObj& obj) {
    if (obj.Class() != ObjClass::Poly) return true;
    const int n = static_cast<const TPolyobj&>(obj).VertexCount;
    return n >= 0 && n <= TPolyobj::MaxVertices;
}

} // namespace

std::string FormatHeaderLine(std::int32_t objectCount, const DrawingHeader& header) {
    std::string out;
    RecordWriter w(out, {}, 80);
    w.N(objectCount), w.N(header.DesignRoomCount), w.N(header.MarkCount), w.N(0);
    w.N(header.MetricFlag), w.N(header.NextElementNo);
    w.EndLine();
    w.Finish();
    return out;
}

bool FormatRecords(const TFlist& list, int first, int last, CoordShift shift, MarkedRun<std::string>& out,
                   std::string& error) {
    RecordWriter w(out.Data, shift, 64 + static_cast<std::size_t>(last - first) * 120);
    for (int i = first; i < last; ++i) {
        const TObj& obj = *list.At(i);
        if (ClassOfKind(obj.Kind) != obj.Class()) {
            error = "object " + std::to_string(i) + " of kind " + std::to_string(obj.Kind) +
                    " cannot be stored: the kind does not belong to its class";
            return false;
        }
        // The record walks the vertex arrays by the count, so a count beyond them must not reach it.
        if (const auto* poly = obj.Class() == ObjClass::Poly ? static_cast<const TPolyobj*>(&obj) : nullptr;
            poly && (poly->VertexCount < 0 || poly->VertexCount > TPolyobj::MaxVertices)) {
            error = "object " + std::to_string(i) + " cannot be stored: its vertex count " +
                    std::to_string(poly->VertexCount) + " is outside 0 to " +
                    std::to_string(TPolyobj::MaxVertices);
            return false;
        }
        w.N(obj.Kind);
        w.EndLine();
        VisitRecord(obj, w);
        if (w.OutOfRange) {
            error = "object " + std::to_string(i) + " of kind " + std::to_string(obj.Kind) +
                    " has a coordinate too far from the sheet to be stored";
            return false;
        }
        out.Starts.push_back(w.Size());
    }
    w.Finish();
    return true;
}

bool FormatMarkedDrawing(const TFlist& list, const DrawingHeader& header, CoordShift shift,
                         MarkedRun<std::string>& out, std::string& error) {
    out.Data = FormatHeaderLine(list.ObjectCount(), header);
    out.Starts = {out.Data.size()};
    out.Starts.reserve(static_cast<std::size_t>(list.ObjectCount()) + 1);
    return FormatRecords(list, 0, list.ObjectCount(), shift, out, error);
}

bool FormatDrawing(const TFlist& list, const DrawingHeader& header, CoordShift shift, std::string& out,
                   std::string& error) {
    MarkedRun<std::string> text;
    if (!FormatMarkedDrawing(list, header, shift, text, error)) return false;
    out = std::move(text.Data);
    return true;
}

bool MoveToShift(TFlist& list, CoordShift from, CoordShift to) {
    const std::int64_t dx = std::int64_t{to.OX} - from.OX, dy = std::int64_t{to.OY} - from.OY;
    if (dx == 0 && dy == 0) return true;
    // Decide, then change: a list that cannot follow keeps every object where it was.
    RecordMover check(dx, dy, false);
    for (const auto& obj : list)
        if (!HasStorableVertices(*obj) || !VisitRecord(*obj, check) || !check.Fits) return false;
    RecordMover move(dx, dy, true);
    for (int i = 0; i < list.ObjectCount(); ++i)
        VisitRecord(*list.At(i), move);
    return true;
}

std::optional<ParseError> ParseDrawing(std::string_view data, CoordShift shift, TFlist& list,
                                       DrawingHeader& header) {
    RecordReader r(data, shift);
    if (r.OnlyBlanksLeft()) return ParseError{1, "the file is empty"};
    const std::int32_t count = r.Number();
    DrawingHeader h;
    h.DesignRoomCount = r.Number();
    h.MarkCount = r.Number();
    r.Number(); // a value the file keeps and the drawing does not use
    h.MetricFlag = r.Number();
    h.NextElementNo = r.Number();
    r.EndLine();
    if (r.Failed()) return r.Fault();
    if (count < 0) return ParseError{1, "the object count " + std::to_string(count) + " is negative"};
    if (h.MetricFlag != 0 && h.MetricFlag != 1)
        return ParseError{1, "the measuring system " + std::to_string(h.MetricFlag) + " is neither 0 nor 1"};

    TFlist read;
    // Every record takes at least a few bytes, so a lying count cannot make a huge reservation.
    read.Reserve(std::min<std::size_t>(static_cast<std::size_t>(count), data.size() / 8));
    for (std::int32_t i = 0; i < count; ++i) {
        if (r.AtEnd())
            return ParseError{r.LineNo(), "the file ends after " + std::to_string(i) + " of the " +
                                              std::to_string(count) + " objects its header counts"};
        const std::int32_t kind = r.Number();
        r.EndLine();
        if (r.Failed()) return r.Fault();
        auto obj = MakeObjectOfKind(kind);
        if (!obj) return ParseError{r.LineNo() - 1, "unknown object kind " + std::to_string(kind)};
        r.ExpectKind(kind);
        VisitRecord(*obj, r);
        if (r.Failed()) return r.Fault();
        read.Append(std::move(obj));
    }
    if (!r.OnlyBlanksLeft())
        return ParseError{r.LineNo(),
                          "more objects than the " + std::to_string(count) + " its header counts"};
    list.Swap(read);
    header = h;
    return std::nullopt;
}

FileResult ReadDrawingFile(const std::filesystem::path& path, CoordShift shift, TFlist& list,
                           DrawingHeader& header) {
    ReadFailure failure;
    const auto data = ReadWholeFile(path, DrawingReadLimit, &failure);
    if (!data && failure.Missing) return {FileStatus::Missing, path.string() + ": no such drawing file"};
    if (!data) return {FileStatus::Refused, path.string() + ": " + failure.Reason};
    if (auto fault = ParseDrawing(*data, shift, list, header))
        return {FileStatus::Damaged,
                path.string() + ":" + std::to_string(fault->Line) + ": " + fault->Message};
    return {};
}

FileResult WriteDrawingFile(const std::filesystem::path& path, const TFlist& list,
                            const DrawingHeader& header, CoordShift shift) {
    std::string text, error;
    if (!FormatDrawing(list, header, shift, text, error))
        return {FileStatus::Unwritable, path.string() + ": " + error};
    if (!WriteFileAtomic(path, text, error)) return {FileStatus::Unwritable, error};
    return {};
}

} // namespace velmora
