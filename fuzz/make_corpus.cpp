// Writes the seed corpus of the drawing reader's fuzz target: small drawings made with the model (the six
// floor records and one object of a class each, then one drawing of every class) and damaged variants of
// them, each a fault the reader must refuse. Usage: velmora_make_fuzz_corpus FOLDER
#include "round_trip_check.h"

#include "model/file_io.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

namespace velmora {
namespace {

std::vector<std::unique_ptr<TObj>> FloorRecords() {
    std::vector<std::unique_ptr<TObj>> floors;
    for (int i = 0; i < FloorRecordCount; ++i) {
        auto info = std::make_unique<TInfoobj>(32000 + i, 120 + i, 0);
        if (i == 0) info->FloorArea = 96, info->Z1 = 0, info->Z2 = 2400;
        floors.push_back(std::move(info));
    }
    return floors;
}

std::unique_ptr<TObj> ExternalWall() {
    auto w = std::make_unique<TExtwallobj>();
    w->View = 120, w->Highlight = 1, w->Aux = 6000, w->WallFlag = 1;
    w->X1 = 18000, w->Y1 = 12000, w->X2 = 18000, w->Y2 = 18000;
    w->Leaf1 = 102, w->Cavity = 50, w->Leaf2 = 100, w->WallParamA = 1, w->WallParamB = 2, w->Angle = 0;
    w->Face1X1 = 18102, w->Face1Y1 = 12000, w->Face1X2 = 18102, w->Face1Y2 = 18000;
    w->Face2X1 = 18152, w->Face2Y1 = 12000, w->Face2X2 = 18152, w->Face2Y2 = 18000;
    w->Face3X1 = 18252, w->Face3Y1 = 12000, w->Face3X2 = 18252, w->Face3Y2 = 18000;
    w->CopyX2 = w->X2, w->CopyZ1 = w->Z1, w->CopyY2 = w->Y2;
    w->WallCodes = {100, 18, 100, 20};
    return w;
}

std::unique_ptr<TObj> InternalWall() {
    auto w = std::make_unique<TInwallobj>();
    w->View = 121, w->Highlight = 2, w->Aux = 2, w->InWallFlag = 1, w->Kind = 150;
    w->X1 = 19000, w->Y1 = 13000, w->X2 = 22000, w->Y2 = 13000, w->Thickness = 100, w->Angle = 900;
    w->SecondX1 = 19000, w->SecondY1 = 12900, w->SecondX2 = 22000, w->SecondY2 = 12900;
    w->StartJoinBearing = 1800, w->InWallCodes = {100, 100, 100, 100};
    return w;
}

std::unique_ptr<TObj> Polygon() {
    auto p = std::make_unique<TPolyobj>(
        6500, 120, 0, 0, std::vector<Point>{{20000, 14000}, {20700, 14000}, {20700, 15900}, {20000, 15900}},
        Rgb(255, 255, 255), 0);
    p->Zs[2] = 50, p->MarkedEdges = {0, 2, 100, 100}, p->PolyRefX = 20000, p->PolyRefY = 14000;
    return p;
}

std::unique_ptr<TObj> Room() {
    auto r = std::make_unique<TRoomobj>();
    r->View = 40, r->X1 = 15000, r->Y1 = 18000, r->X2 = 19000, r->Y2 = 14000, r->RoomWidth = 4000;
    r->RoomLength = 4000, r->DimensionStyle = 2, r->TextSize = 3, r->RoomFill = Rgb(200, 220, 255);
    r->SetRoomName("LIVING ROOM"), r->SetWidthText(" 4000"), r->SetLengthText("4000 ");
    return r;
}

std::unique_ptr<TObj> Window() {
    auto w = std::make_unique<TWindowobj>();
    w->View = 120, w->InsertX = 21000, w->InsertY = 12000, w->WinParam1 = 1200, w->WinParam2 = 1050;
    w->SetLabel("W1 casement");
    return w;
}

std::unique_ptr<TObj> Door() {
    auto d = std::make_unique<TDoorobj>();
    d->View = 120, d->InsertX = 23000, d->InsertY = 12000, d->DoorParam1 = 838, d->DoorParam2 = 1981;
    d->SetLabel("D1");
    return d;
}

std::unique_ptr<TObj> Arrow() {
    auto a = std::make_unique<TArrowobj>();
    a->View = 120, a->X1 = 20000, a->Y1 = 14000, a->X2 = 21000, a->Y2 = 14000;
    a->HeadAX = 20150, a->HeadAY = 14050, a->HeadBX = 20150, a->HeadBY = 13950;
    a->TailAX = 21000, a->TailAY = 14050, a->TailBX = 21000, a->TailBY = 13950;
    return a;
}

std::unique_ptr<TObj> RoundedRect() {
    return std::make_unique<TRndrectobj>(122, 16000, 15000, 17000, 14000, 200, Rgb(0, 128, 0), 0, 2, 1);
}

std::unique_ptr<TObj> Ellipse() {
    return std::make_unique<TEllipseobj>(5, 124, 16000, 15000, 17500, 14200, Rgb(255, 0, 0), 0);
}

// One maker per class, named as the corpus file will be.
std::map<std::string, std::function<std::unique_ptr<TObj>()>> ObjectMakers() {
    return {
        {"line", [] { return std::make_unique<TLineobj>(1, 120, 0, 0, 15000, 12000, 25000, 12000, 0); }},
        {"styled-line",
         [] { return std::make_unique<TLineobj>(57, 190, 3, 4, -9000, 0, 9000, 700, 255, 2, 3); }},
        {"arc",
         [] {
             return std::make_unique<TArcobj>(120, 16000, 15000, 18000, 13000, 18000, 14000, 17000, 15000, 0);
         }},
        {"text",
         [] {
             return std::make_unique<TTextobj>(4, 120, 0, 0, 20000, 14000, "Bed 2  (double)",
                                               "Times New Roman", 12, 900, 1, 700, 0);
         }},
        {"text-blank-lead",
         [] {
             return std::make_unique<TTextobj>(35, 121, 0, 7, 20000, 14000, "  KITCHEN ", "", 10, 0, 6, 400,
                                               0);
         }},
        {"text-empty",
         [] { return std::make_unique<TTextobj>(34, 120, 0, 0, 20000, 14000, "", "", 10, 0, 1, 400, 0); }},
        {"ellipse", Ellipse},
        {"circle",
         [] { return std::make_unique<TCircleobj>(123, 16000, 15000, 17000, 14000, Rgb(0, 0, 255), 0); }},
        {"rounded-rect", RoundedRect},
        {"external-wall", ExternalWall},
        {"internal-wall", InternalWall},
        {"arrow", Arrow},
        {"dimension",
         [] {
             return std::make_unique<TDimensobj>(251, 120, 18000, 11000, 24000, 11000, 18000, 11500, 24000,
                                                 11500, 1800, 0);
         }},
        {"room", Room},
        {"window", Window},
        {"door", Door},
        {"polygon", Polygon},
        {"mask",
         [] {
             return std::make_unique<TPolyobj>(
                 2000, 120, 0, 0,
                 std::vector<Point>{{21000, 11900}, {22200, 11900}, {22200, 12260}, {21000, 12260}}, 0, 0);
         }},
    };
}

std::string Format(std::vector<std::unique_ptr<TObj>> objects, DrawingHeader header = {1, 0, 1, 9}) {
    TFlist list;
    for (auto& obj : objects)
        list.Append(std::move(obj));
    std::string text, error;
    if (!FormatDrawing(list, header, fuzz::CheckShift(), text, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    return text;
}

std::string Replace(std::string text, std::string_view what, std::string_view with) {
    const auto at = text.find(what);
    if (at == std::string::npos) {
        std::fprintf(stderr, "'%.*s' not found\n", static_cast<int>(what.size()), what.data());
        std::exit(1);
    }
    return text.replace(at, what.size(), with);
}

// Damaged variants of a drawing: each must be refused.
std::map<std::string, std::string> DamagedVariants(const std::string& every, const std::string& text,
                                                   const std::string& polygon) {
    std::string lf;
    for (char c : every)
        if (c != '\r') lf.push_back(c);
    const auto headEnd = every.find("\r\n");
    std::string noCount = every;
    noCount.replace(0, every.find(' '), "x");
    return {
        {"bad-empty", ""},
        {"bad-cut-in-record", every.substr(0, every.size() / 2)},
        {"bad-count-too-high", "999" + every.substr(every.find(' '))},
        {"bad-count-negative", "-1" + every.substr(every.find(' '))},
        {"bad-count-not-number", noCount},
        {"bad-extra-record", every + "1\r\n1 120 0 0 0 0 0 0 0 0 0 0 0 1 0\r\n"},
        {"bad-unknown-kind", Replace(every, "\r\n1\r\n1 120", "\r\n2\r\n2 120")},
        {"bad-kind-mismatch", Replace(every, "\r\n1\r\n1 120", "\r\n1\r\n11 120")},
        {"bad-metric-flag", Replace(every, every.substr(0, headEnd), "24 1 0 0 7 9")},
        {"bad-text-length", Replace(text, " 15 900 1 15 12 700", " 99 900 1 15 12 700")},
        {"bad-text-too-long", Replace(text, "(double)", "(double)xyz")},
        {"bad-text-short", Replace(text, "(double)", "(doub")},
        {"bad-vertex-count", Replace(polygon, " 0 0 0 0 4 0 0 0", " 0 0 0 0 20 0 0 0")},
        {"bad-vertex-count-huge", Replace(polygon, " 0 0 0 0 4 0 0 0", " 0 0 0 0 2147483647 0 0 0")},
        {"bad-vertex-count-negative", Replace(polygon, " 0 0 0 0 4 0 0 0", " 0 0 0 0 -4 0 0 0")},
        {"bad-number-overflow", Replace(every, "\r\n1\r\n1 120 0 0", "\r\n1\r\n1 120 0 99999999999")},
        {"bad-coordinate-range", Replace(every, "\r\n1\r\n1 120 0 0 -5000", "\r\n1\r\n1 120 0 0 2147483000")},
        {"bad-trailing-junk", every + "junk\r\n"},
        {"bad-lf-cut", lf.substr(0, lf.size() - 7)},
    };
}

} // namespace
} // namespace velmora

int main(int argc, char** argv) {
    using namespace velmora;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    std::map<std::string, std::string> files;

    std::vector<std::unique_ptr<TObj>> every = FloorRecords();
    for (auto& [name, make] : ObjectMakers()) {
        auto objects = FloorRecords();
        objects.push_back(make());
        files["ok-" + name] = Format(std::move(objects));
        every.push_back(make());
    }
    files["ok-every-kind"] = Format(std::move(every), {2, 5, 0, 41});
    files["ok-floors-only"] = Format(FloorRecords(), {0, 0, 0, 0});
    files["ok-no-objects"] = Format({}, {0, 0, 1, 0});
    std::string lf;
    for (char c : files["ok-every-kind"])
        if (c != '\r') lf.push_back(c);
    files["ok-every-kind-lf"] = lf;

    for (auto& [name, text] : DamagedVariants(files["ok-every-kind"], files["ok-text"], files["ok-polygon"]))
        files[name] = text;

    int failures = 0;
    for (auto& [name, text] : files) {
        std::string error;
        const auto problem = fuzz::CheckDrawingRoundTrip(text);
        TFlist list;
        DrawingHeader header;
        const bool accepted = !ParseDrawing(text, fuzz::CheckShift(), list, header);
        if (!problem.empty() || accepted != name.starts_with("ok-")) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(),
                         problem.empty() ? "wrongly judged" : problem.c_str());
            ++failures;
        }
        if (!WriteFileAtomic(folder / (name + ".bms"), text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    std::printf("%zu files written to %s\n", files.size(), folder.c_str());
    return failures == 0 ? 0 : 1;
}
