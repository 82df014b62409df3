// velmora-cli: batch tools over drawing files.
//   velmora-cli [--home DIR] info IN
//   velmora-cli [--home DIR] roundtrip IN OUT
//   velmora-cli make-sample OUT
//   velmora-cli [--home DIR] pdf IN OUT [--view V] [--scale S]   a view printed at S : 1 as a PDF
//   velmora-cli [--home DIR] svg IN OUT [--view V] [--scale S]   the same as an SVG in millimetres
//   velmora-cli [--home DIR] png IN OUT [--view V] [--size WxH]  a view as the window paints it
// A drawing that cannot be read gives one line naming the file, the line and what is wrong, and a non-zero
// exit; OUT is then neither created nor touched. A FIFO, device or directory is refused at once.
#include "app/drawing_store.h"
#include "app/home_folder.h"
#include "app/sample_drawing.h"
#include "model/drawing_file.h"
#include "model/file_io.h"

#ifdef VELMORA_CLI_PICTURES
#include "qt/plan_export.h"

#include <QGuiApplication>
#endif

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace velmora;

namespace {

constexpr int ExitDamaged = 1;
constexpr int ExitUsage = 2;

int Usage() {
    std::cerr << "usage: velmora-cli [--home DIR] info IN\n"
                 "       velmora-cli [--home DIR] roundtrip IN OUT\n"
                 "       velmora-cli make-sample OUT\n"
                 "       velmora-cli [--home DIR] pdf|svg IN OUT [--view V] [--scale S]\n"
                 "       velmora-cli [--home DIR] png IN OUT [--view V] [--size WxH]\n";
    return ExitUsage;
}

// The home folder whose settings give the sheet size, chosen as the program chooses it; the folder the
// program was installed with when that one has no settings yet. Nothing is created.
fs::path FindHome(const std::optional<fs::path>& explicitHome) {
    HomeEnvironment env = HomeEnvironment::FromProcess();
    env.HomeArgument = explicitHome;
    std::string error;
    const auto home = ResolveHomeFolder(env, error);
    std::error_code ec;
    if (home && fs::is_directory(home->Path / "CFG", ec)) return home->Path;
    return env.Template;
}

// Reads a drawing with the units its header states. Prints the reason and returns false when it cannot.
bool Load(AppState& state, const fs::path& in) {
    ReadFailure failure;
    const auto text = ReadWholeFile(in, DrawingReadLimit, &failure);
    if (!text) {
        std::cerr << in.string() << ": " << failure.Reason << "\n";
        return false;
    }
    const DrawingPlacement placement = PlacementOf(state, *text);
    // The stored coordinates do not depend on the sheet they are read with; a wrong sheet setting is only
    // worth a word, and the home folder is left as it is.
    if (!placement.SheetRead.Problem.empty()) std::cerr << "note: " << placement.SheetRead.Problem << "\n";
    TakePlacement(state, placement);
    DrawingHeader header;
    if (auto fault = ParseDrawing(*text, state.Shift(), state.DrawingObjects, header)) {
        std::cerr << in.string() << ":" << fault->Line << ": " << fault->Message << "\n";
        return false;
    }
    state.TakeHeader(header);
    return true;
}

const char* KindName(int kind) {
    auto cls = ClassOfKind(kind);
    if (!cls) return "unknown";
    switch (*cls) {
    case ObjClass::Line:
        return kind == 1 ? "plain line" : kind == 11 ? "construction line" : "styled line";
    case ObjClass::Arc:
        return "arc";
    case ObjClass::Text:
        return kind == 4    ? "text"
               : kind == 24 ? "line text"
               : kind == 34 ? "dimension text"
               : kind == 37 ? "plan title"
                            : "label text";
    case ObjClass::Ellipse:
        return "ellipse";
    case ObjClass::Circle:
        return "circle";
    case ObjClass::Rndrect:
        return "rounded rectangle";
    case ObjClass::Extwall:
        return "external wall";
    case ObjClass::Inwall:
        return "internal wall";
    case ObjClass::Arrow:
        return "arrow";
    case ObjClass::Dimens:
        return "dimension";
    case ObjClass::Room:
        return kind == 29500 ? "plan room" : "design room";
    case ObjClass::Window:
        return "window record";
    case ObjClass::Door:
        return "door record";
    case ObjClass::Poly:
        return kind == 2000 ? "mask polygon" : "polygon";
    case ObjClass::Info:
        return "floor record";
    case ObjClass::Base:
        break;
    }
    return "unknown";
}

int Info(AppState& state, const fs::path& in) {
    if (!Load(state, in)) return ExitDamaged;
    std::map<int, int> perKind;
    for (const auto& obj : state.DrawingObjects)
        ++perKind[obj->Kind];
    std::cout << "file: " << in.string() << "\n"
              << "objects: " << state.DrawingObjects.ObjectCount() << "\n"
              << "design rooms: " << state.DesignRoomCount << "\n"
              << "marks: " << state.MarkCount << "\n"
              << "measuring system: " << (state.MetricFlag == 1 ? "metric" : "feet and inches") << "\n"
              << "next element number: " << state.NextElementNo << "\n";
    for (auto [kind, count] : perKind)
        std::cout << "kind " << kind << " (" << KindName(kind) << "): " << count << "\n";
    return 0;
}

int Roundtrip(AppState& state, const fs::path& in, const fs::path& out) {
    if (!Load(state, in)) return ExitDamaged;
    const FileResult saved = WriteDrawingFile(out, state.DrawingObjects, state.Header(), state.Shift());
    if (!saved.Ok()) {
        std::cerr << saved.Message << "\n";
        return ExitDamaged;
    }
    return 0;
}

int MakeSample(const fs::path& out) {
    TFlist list;
    DrawingHeader header;
    MakeSampleDrawing(list, header);
    const FileResult saved = WriteDrawingFile(out, list, header, CoordShift::ForSheet(5000, 2500, 5));
    if (!saved.Ok()) {
        std::cerr << saved.Message << "\n";
        return ExitDamaged;
    }
    return 0;
}

#ifdef VELMORA_CLI_PICTURES
std::optional<int> WholeNumber(std::string_view s) {
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

// pdf, svg and png: IN OUT, then the options in any order.
int Plan(const fs::path& home, const std::vector<std::string>& args) {
    PlanExport r;
    r.Format = args[0] == "pdf" ? PlanFormat::Pdf : args[0] == "svg" ? PlanFormat::Svg : PlanFormat::Png;
    r.Home = home;
    r.In = args[1];
    r.Out = args[2];
    for (std::size_t i = 3; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return Usage();
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--view") {
            const auto v = WholeNumber(value);
            if (!v) return Usage();
            r.View = *v;
        } else if (option == "--scale" && r.Format != PlanFormat::Png) {
            r.Scale = WholeNumber(value);
            if (!r.Scale || *r.Scale <= 0 || *r.Scale > 100000) {
                std::cerr << "the scale must be a whole number from 1 to 100000\n";
                return ExitUsage;
            }
        } else if (option == "--size" && r.Format == PlanFormat::Png) {
            const std::size_t x = value.find('x');
            const auto w = WholeNumber(std::string_view(value).substr(0, x));
            const auto h =
                x == std::string::npos ? std::nullopt : WholeNumber(std::string_view(value).substr(x + 1));
            if (!w || !h || *w < 1 || *h < 1 || *w > 20000 || *h > 20000) {
                std::cerr << "the size is WIDTHxHEIGHT, each from 1 to 20000 pixels\n";
                return ExitUsage;
            }
            r.Width = *w;
            r.Height = *h;
        } else {
            return Usage();
        }
    }
    // The toolkit's writers need an application; no screen is needed.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "velmora-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    std::string error;
    if (!ExportPlan(r, error)) {
        std::cerr << r.In.string() << ": " << error << "\n";
        return ExitDamaged;
    }
    return 0;
}
#endif

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<fs::path> home;
    if (args.size() >= 2 && args[0] == "--home") {
        home = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return Usage();
    AppState state;
    state.HomePath = FindHome(home);
    if (args[0] == "info" && args.size() == 2) return Info(state, args[1]);
    if (args[0] == "roundtrip" && args.size() == 3) return Roundtrip(state, args[1], args[2]);
    if (args[0] == "make-sample" && args.size() == 2) return MakeSample(args[1]);
#ifdef VELMORA_CLI_PICTURES
    if ((args[0] == "pdf" || args[0] == "svg" || args[0] == "png") && args.size() >= 3)
        return Plan(state.HomePath, args);
#endif
    return Usage();
}
