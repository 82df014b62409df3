#include "qt/painter_print_job.h"

#include "model/file_io.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <string_view>

namespace velmora {

namespace {

constexpr int PdfResolution = 1200;
constexpr int SvgResolution = 2540; // one user unit = 0.01 mm

bool WriteBytes(const std::filesystem::path& file, const QByteArray& bytes, std::string& error) {
    return WriteFileAtomic(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                           error);
}

QPageLayout::Orientation OrientationOf(const PrintJobRequest& r) {
    return r.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

PainterPrintJob::~PainterPrintJob() = default;

int PainterPrintJob::DpiX() const {
    return Device().logicalDpiX();
}
int PainterPrintJob::DpiY() const {
    return Device().logicalDpiY();
}
int PainterPrintJob::PageWidth() const {
    return Device().width();
}
int PainterPrintJob::PageHeight() const {
    return Device().height();
}

Canvas* PainterPrintJob::NewPage() {
    if (PageCount > 0) {
        PageCanvas.reset(); // restores the painter before the page turns
        if (!NextPage()) return nullptr;
    } else {
        Painter = std::make_unique<QPainter>();
        if (!Painter->begin(&Device())) return nullptr;
    }
    ++PageCount;
    PageCanvas = std::make_unique<QPainterCanvas>(*Painter);
    return PageCanvas.get();
}

bool PainterPrintJob::EndPainting() {
    PageCanvas.reset();
    if (!Painter) return PageCount > 0;
    const bool ok = Painter->isActive() && Painter->end();
    Painter.reset();
    return ok;
}

PdfPrintJob::PdfPrintJob(const std::filesystem::path& file, const PrintJobRequest& request)
    : File(file), Buffer(&Bytes) {
    Buffer.open(QIODevice::WriteOnly);
    Writer = std::make_unique<QPdfWriter>(&Buffer);
    Writer->setResolution(PdfResolution);
    Writer->setTitle(QString::fromStdString(request.DocumentName));
    Writer->setCreator(QStringLiteral("Velmora"));
    Writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), OrientationOf(request), QMarginsF(0, 0, 0, 0)));
}

QPaintDevice& PdfPrintJob::Device() const {
    return *Writer;
}

PdfPrintJob::~PdfPrintJob() {
    EndPainting();
}

bool PdfPrintJob::NextPage() {
    return Writer->newPage();
}

bool PdfPrintJob::Finish(std::string& error) {
    if (!EndPainting()) {
        error = "the PDF could not be made";
        return false;
    }
    return WriteBytes(File, Bytes, error);
}

SvgPrintJob::SvgPrintJob(const std::filesystem::path& file, const PrintJobRequest& request)
    : File(file), Buffer(&Bytes), Generator(std::make_unique<QSvgGenerator>()) {
    Buffer.open(QIODevice::WriteOnly);
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const QSizeF mm = request.Landscape ? a4.transposed() : a4;
    const QSize units(static_cast<int>(mm.width() * 100), static_cast<int>(mm.height() * 100));
    Generator->setOutputDevice(&Buffer);
    Generator->setResolution(SvgResolution);
    Generator->setSize(units);
    Generator->setViewBox(QRect(QPoint(0, 0), units));
    Generator->setTitle(QString::fromStdString(request.DocumentName));
}

QPaintDevice& SvgPrintJob::Device() const {
    return *Generator;
}

SvgPrintJob::~SvgPrintJob() {
    EndPainting();
}

bool SvgPrintJob::Finish(std::string& error) {
    if (!EndPainting()) {
        error = "the SVG could not be made";
        return false;
    }
    return WriteBytes(File, Bytes, error);
}

PrinterPrintJob::PrinterPrintJob(std::unique_ptr<QPrinter> printer) : Printer(std::move(printer)) {}

QPaintDevice& PrinterPrintJob::Device() const {
    return *Printer;
}

PrinterPrintJob::~PrinterPrintJob() {
    if (!Finished && Pages() > 0) Printer->abort(); // a job never finished is not sent
    EndPainting();
}

bool PrinterPrintJob::NextPage() {
    return Printer->newPage();
}

bool PrinterPrintJob::Finish(std::string& error) {
    Finished = true;
    if (!EndPainting()) {
        error = "the printer refused the job";
        return false;
    }
    return true;
}

std::unique_ptr<PrintJob> JobForPrinter(std::unique_ptr<QPrinter> printer, const PrintJobRequest& request) {
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        return std::make_unique<PdfPrintJob>(printer->outputFileName().toStdString(), request);
    printer->setPageOrientation(OrientationOf(request));
    printer->setFullPage(true);
    printer->setDocName(QString::fromStdString(request.DocumentName));
    return std::make_unique<PrinterPrintJob>(std::move(printer));
}

} // namespace velmora
