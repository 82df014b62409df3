// Print jobs on the toolkit's paint devices: a real printer (QPrinter), a PDF file (QPdfWriter) and an SVG
// file (QSvgGenerator). Each page gets a QPainterCanvas mapped 1:1 onto device pixels. The PDF and SVG are
// built in memory and written atomically by Finish, so a failed print never leaves half a file.
#pragma once

#include "platform/print_job.h"
#include "qt/qpainter_canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>

#include <filesystem>
#include <memory>

class QPrinter;
class QPdfWriter;
class QSvgGenerator;

namespace velmora {

class PainterPrintJob : public PrintJob {
public:
    ~PainterPrintJob() override;
    int DpiX() const override;
    int DpiY() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    Canvas* NewPage() override;

protected:
    PainterPrintJob() = default;
    virtual QPaintDevice& Device() const = 0;
    // Ends the painting; false when the device reported a failure.
    bool EndPainting();
    // Starts a page after the first one; false when the device has only one.
    virtual bool NextPage() = 0;
    int Pages() const { return PageCount; }

private:
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<QPainterCanvas> PageCanvas;
    int PageCount = 0;
};

// A PDF of A4 pages at 1200 dots per inch.
class PdfPrintJob : public PainterPrintJob {
public:
    PdfPrintJob(const std::filesystem::path& file, const PrintJobRequest& request);
    ~PdfPrintJob() override;
    bool Finish(std::string& error) override;

private:
    QPaintDevice& Device() const override;
    bool NextPage() override;
    std::filesystem::path File;
    QByteArray Bytes;
    QBuffer Buffer;
    std::unique_ptr<QPdfWriter> Writer;
};

// An SVG of one A4 page whose user units are hundredths of a millimetre (2540 per inch).
class SvgPrintJob : public PainterPrintJob {
public:
    SvgPrintJob(const std::filesystem::path& file, const PrintJobRequest& request);
    ~SvgPrintJob() override;
    bool Finish(std::string& error) override;

private:
    QPaintDevice& Device() const override;
    bool NextPage() override { return false; }
    std::filesystem::path File;
    QByteArray Bytes;
    QBuffer Buffer;
    std::unique_ptr<QSvgGenerator> Generator;
};

// The printer the print dialog chose; the system sends the pages when the job finishes.
class PrinterPrintJob : public PainterPrintJob {
public:
    explicit PrinterPrintJob(std::unique_ptr<QPrinter> printer);
    ~PrinterPrintJob() override;
    bool Finish(std::string& error) override;

private:
    QPaintDevice& Device() const override;
    bool NextPage() override;
    std::unique_ptr<QPrinter> Printer;
    bool Finished = false;
};

// The job on the print dialog's choice: the PDF file it named (written by PdfPrintJob), or the printer.
std::unique_ptr<PrintJob> JobForPrinter(std::unique_ptr<QPrinter> printer, const PrintJobRequest& request);

} // namespace velmora
