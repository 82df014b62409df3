// Printed plans measured on paper: the scripted print session of the two-floor house and velmora-cli's
// pdf, svg and png, rendered again (pdftoppm, the SVG renderer, the PNG decoder) and measured with a ruler
// of pixels. A 10000 mm wall at 1 : 100 must measure 100 mm, within 0.5 %.
#include "app/session_script.h"
#include "qt/headless_host.h"
#include "qt/painter_print_job.h"
#include "support/test_support.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;

constexpr int RasterDpi = 300;
constexpr double MmPerInch = 25.4;

double PixelsOfMm(double mm) {
    return mm / MmPerInch * RasterDpi;
}

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

struct InkRun {
    int Length = 0, Start = 0;
};

// The longest run of dark pixels along a row (or a column): a line of the plan drawn end to end.
InkRun LongestRun(const QImage& image, bool vertical) {
    InkRun best;
    const int lines = vertical ? image.width() : image.height();
    const int along = vertical ? image.height() : image.width();
    for (int l = 0; l < lines; ++l) {
        int run = 0;
        for (int a = 0; a <= along; ++a) {
            const bool dark = a < along && (vertical ? Dark(image, l, a) : Dark(image, a, l));
            if (dark) {
                ++run;
                continue;
            }
            if (run > best.Length) best = {run, a - run};
            run = 0;
        }
    }
    return best;
}

// One page of a PDF rendered at RasterDpi.
QImage PdfPage(const fs::path& pdf, int page) {
    const fs::path out = pdf.parent_path() / (pdf.stem().string() + "-page" + std::to_string(page));
    const std::string command = "pdftoppm -r " + std::to_string(RasterDpi) + " -f " + std::to_string(page) +
                                " -l " + std::to_string(page) + " -singlefile -png '" + pdf.string() + "' '" +
                                out.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return {};
    return QImage(QString::fromStdString(out.string() + ".png"));
}

int PdfPageCount(const fs::path& pdf) {
    int pages = 0;
    while (!PdfPage(pdf, pages + 1).isNull())
        ++pages;
    return pages;
}

void ExpectLength(const QImage& page, bool vertical, double mm) {
    ASSERT_FALSE(page.isNull()) << "the page could not be rendered (is pdftoppm installed?)";
    const InkRun r = LongestRun(page, vertical);
    EXPECT_NEAR(r.Length, PixelsOfMm(mm), PixelsOfMm(mm) * 0.005)
        << "measured " << r.Length / PixelsOfMm(1) << " mm";
}

// The scripted print session runs once for all the measurements.
class PrintedHouse : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Home = new test::TempDir;
        fs::copy(VELMORA_HOME_TEMPLATE, Home->Path, fs::copy_options::recursive);
        fs::copy_file(test::Fixture("two_floor_house.BMS"), Home->Path / "DWGS" / "Two Floor House.BMS");
        test::WriteFile(Home->Path / "CFG" / "LASTFILES.CFG", "15 0 0 0 Two Floor House");
        std::ostringstream transcript;
        HeadlessHost host(Home->Path, {1280, 800}, transcript);
        host.Start();
        Result =
            new ScriptResult(RunScriptFile(fs::path(VELMORA_SCRIPTS) / "print_two_floor_house.vms", host));
        if (!Result->Ok) Result->Message += "\n" + transcript.str();
    }
    static void TearDownTestSuite() {
        delete Result;
        delete Home;
    }
    void SetUp() override { ASSERT_TRUE(Result->Ok) << Result->Message; }
    static fs::path Pdf(const std::string& name) { return Home->Path / "EXPORT" / name; }

    static inline test::TempDir* Home = nullptr;
    static inline ScriptResult* Result = nullptr;
};

TEST_F(PrintedHouse, EachFloorAtItsScale) {
    // Ground floor: its 10000 mm dimension line; first floor: its 10000 mm outer wall line.
    for (const auto& [file, scale] : {std::pair{"floors_100.pdf", 100}, {"floors_50.pdf", 50}}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(PdfPageCount(Pdf(file)), 2);
        for (int page : {1, 2})
            ExpectLength(PdfPage(Pdf(file), page), false, 10000.0 / scale);
        // The first floor is 8000 mm deep: its side walls run that far.
        ExpectLength(PdfPage(Pdf(file), 2), true, 8000.0 / scale);
    }
}

TEST_F(PrintedHouse, CalibrationStretchesTheNextPrint) {
    EXPECT_EQ(test::ReadFile(Home->Path / "CFG" / "PRNTCALM.CFG"), "14850 1.010000");
    ExpectLength(PdfPage(Pdf("calibrated_100.pdf"), 1), false, 100.0 * 1.01);
}

TEST_F(PrintedHouse, SplitHalvesJoinAtThePageEdges) {
    ASSERT_EQ(PdfPageCount(Pdf("split_50.pdf")), 2);
    const QImage left = PdfPage(Pdf("split_50.pdf"), 1), right = PdfPage(Pdf("split_50.pdf"), 2);
    const InkRun a = LongestRun(left, false), b = LongestRun(right, false);
    // The dimension line runs off the first page's right edge and on at the second page's left edge.
    EXPECT_GE(a.Start + a.Length, left.width() - 2);
    EXPECT_LE(b.Start, 1);
    EXPECT_NEAR(a.Length + b.Length, PixelsOfMm(200), PixelsOfMm(200) * 0.005);
}

TEST_F(PrintedHouse, PartPrintShowsOnlyTheDraggedArea) {
    ASSERT_EQ(PdfPageCount(Pdf("part_50.pdf")), 1);
    const QImage page = PdfPage(Pdf("part_50.pdf"), 1);
    // The left wall from the top corner down to the box's lower edge 1000 mm below the middle: 5000 mm.
    ExpectLength(page, true, 5000.0 / 50);
    // Nothing outside the box: the ink fits in its 5400 x 5200 mm at 50 : 1.
    int minX = page.width(), maxX = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (Dark(page, x, y)) minX = std::min(minX, x), maxX = std::max(maxX, x);
    EXPECT_LE(maxX - minX, PixelsOfMm(5400.0 / 50) + 2);
}

// ---- the toolkit's jobs ----

TEST(PainterPrintJobs, PagesAtTheirResolutionAndNothingHalfWritten) {
    test::TempDir dir;
    PdfPrintJob pdf(dir.Path / "a.pdf", PrintJobRequest{"A", true});
    EXPECT_EQ(pdf.DpiX(), 1200);
    EXPECT_NEAR(pdf.PageWidth(), 297 / MmPerInch * 1200, 2); // landscape A4, no margins
    ASSERT_NE(pdf.NewPage(), nullptr);
    ASSERT_NE(pdf.NewPage(), nullptr);
    EXPECT_FALSE(fs::exists(dir.Path / "a.pdf")); // nothing on disk before the job is finished
    std::string error;
    ASSERT_TRUE(pdf.Finish(error)) << error;
    EXPECT_EQ(PdfPageCount(dir.Path / "a.pdf"), 2);

    SvgPrintJob svg(dir.Path / "a.svg", PrintJobRequest{"A", false});
    ASSERT_NE(svg.NewPage(), nullptr);
    EXPECT_EQ(svg.NewPage(), nullptr); // an SVG has one page

    test::WriteFile(dir.Path / "blocked", "a file where a folder should be");
    PdfPrintJob blocked(dir.Path / "blocked" / "b.pdf", PrintJobRequest{"B", true});
    ASSERT_NE(blocked.NewPage(), nullptr);
    EXPECT_FALSE(blocked.Finish(error));
    EXPECT_EQ(test::ReadFile(dir.Path / "blocked"), "a file where a folder should be");
}

// The print dialog's "Print to File (PDF)" choice comes back as a printer with a PDF file name: the job on
// it is the PDF job, which writes that file whole when the job finishes.
TEST(PainterPrintJobs, ThePrintDialogsPdfChoiceWritesThroughThePdfJob) {
    test::TempDir dir;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString((dir.Path / "chosen.pdf").string()));
    const std::unique_ptr<PrintJob> job = JobForPrinter(std::move(printer), PrintJobRequest{"C", true});
    ASSERT_NE(dynamic_cast<PdfPrintJob*>(job.get()), nullptr);
    ASSERT_NE(job->NewPage(), nullptr);
    std::string error;
    ASSERT_TRUE(job->Finish(error)) << error;
    EXPECT_EQ(PdfPageCount(dir.Path / "chosen.pdf"), 1);
}

// ---- velmora-cli ----

class CliPlans : public ::testing::Test {
protected:
    int Cli(const std::string& args) {
        const std::string command = std::string("'") + VELMORA_CLI + "' --home '" + VELMORA_HOME_TEMPLATE +
                                    "' " + args + " 2>/dev/null";
        return std::system(command.c_str());
    }
    std::string In() const { return std::string("'") + VELMORA_HOME_TEMPLATE + "/DWGS/Sample House.BMS'"; }
    std::string Out(const std::string& name) const { return "'" + (Dir.Path / name).string() + "'"; }
    test::TempDir Dir;
};

TEST_F(CliPlans, PdfAtTheScaleAsked) {
    ASSERT_EQ(Cli("pdf " + In() + " " + Out("plan.pdf")), 0);
    ExpectLength(PdfPage(Dir.Path / "plan.pdf", 1), false, 100);
    ASSERT_EQ(Cli("pdf " + In() + " " + Out("plan50.pdf") + " --scale 50 --view 120"), 0);
    ExpectLength(PdfPage(Dir.Path / "plan50.pdf", 1), false, 200);
}

TEST_F(CliPlans, SvgInMillimetres) {
    ASSERT_EQ(Cli("svg " + In() + " " + Out("plan.svg")), 0);
    const std::string svg = test::ReadFile(Dir.Path / "plan.svg");
    EXPECT_NE(svg.find("width=\"297mm\" height=\"210mm\""), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 29700 21000\""), std::string::npos); // hundredths of a millimetre
    QSvgRenderer renderer(QString::fromStdString((Dir.Path / "plan.svg").string()));
    ASSERT_TRUE(renderer.isValid());
    QImage page(static_cast<int>(PixelsOfMm(297)), static_cast<int>(PixelsOfMm(210)), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    renderer.render(&painter, QRectF(0, 0, page.width(), page.height()));
    painter.end();
    ExpectLength(page, false, 100);
}

TEST_F(CliPlans, PngAsTheWindowPaintsIt) {
    ASSERT_EQ(Cli("png " + In() + " " + Out("plan.png") + " --size 800x600"), 0);
    const QImage picture(QString::fromStdString((Dir.Path / "plan.png").string()));
    ASSERT_EQ(picture.size(), QSize(800, 600));
    // The view's extents (10960 x 10010 mm with the dimensions and the title) fill nine tenths of the
    // height: 2002 logical units over 540 pixels, so the 10000 mm dimension line is 539 pixels long.
    EXPECT_NEAR(LongestRun(picture, false).Length, 539, 3);
}

TEST_F(CliPlans, RefusesBadRequests) {
    EXPECT_NE(Cli("pdf " + In() + " " + Out("x.pdf") + " --scale 0"), 0);
    EXPECT_NE(Cli("png " + In() + " " + Out("x.png") + " --size 0x10"), 0);
    EXPECT_NE(Cli("svg " + In() + " " + Out("x.svg") + " --view 122"), 0); // an empty floor
    EXPECT_NE(Cli("pdf '/no/such.BMS' " + Out("x.pdf")), 0);
    EXPECT_FALSE(fs::exists(Dir.Path / "x.pdf") || fs::exists(Dir.Path / "x.png") ||
                 fs::exists(Dir.Path / "x.svg"));
}

} // namespace
} // namespace velmora
