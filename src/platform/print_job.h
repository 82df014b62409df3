// A print job: the pages of one print command on the printer the user chose in the print dialog, a real
// printer or a PDF file. The core computes every mapping itself from the device's resolution and page size,
// so a page prints at a true scale on any device; the job only supplies a canvas per page. Copies are pages
// of their own, so a PDF holds what the printer would have printed.
#pragma once

#include "platform/canvas.h"

#include <memory>
#include <string>

namespace velmora {

struct PrintJobRequest {
    std::string DocumentName; // the job's name in the printer queue, the PDF's title
    bool Landscape = true;
};

class PrintJob {
public:
    virtual ~PrintJob() = default;

    // Device pixels per inch across and down the page; the page in device pixels, orientation applied.
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // Starts the next page (the first call the first page) and gives its canvas, mapped 1:1 onto device
    // pixels; the canvas stays valid until the next call or Finish. Nothing when the device failed.
    virtual Canvas* NewPage() = 0;
    // Ends the job and delivers it. False, with the reason, when the output could not be written; a PDF
    // file is then left as it was.
    virtual bool Finish(std::string& error) = 0;
};

} // namespace velmora
