// A print job without a device: each page is a recording canvas, so tests can read the mapping, pens and
// texts the print engine chose. The device is an A4 landscape page at 600 dots per inch.
#pragma once

#include "platform/print_job.h"
#include "platform/recording_canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::test {

// What the jobs of a test printed; outlives the jobs, which the print commands own.
struct PrintRecord {
    struct Job {
        std::string File;
        PrintJobRequest Request;
        std::vector<std::unique_ptr<RecordingCanvas>> Pages;
        bool Finished = false;
    };
    std::vector<Job> Jobs;
    int Dpi = 600;
    int PageWidth = 7016, PageHeight = 4961;
};

class RecordingPrintJob : public PrintJob {
public:
    RecordingPrintJob(PrintRecord& record, const std::string& file, const PrintJobRequest& request)
        : R(record), Index(record.Jobs.size()) {
        R.Jobs.push_back({file, request, {}, false});
    }
    int DpiX() const override { return R.Dpi; }
    int DpiY() const override { return R.Dpi; }
    int PageWidth() const override { return R.PageWidth; }
    int PageHeight() const override { return R.PageHeight; }
    Canvas* NewPage() override {
        auto& pages = R.Jobs[Index].Pages;
        pages.push_back(std::make_unique<RecordingCanvas>());
        return pages.back().get();
    }
    bool Finish(std::string&) override { return R.Jobs[Index].Finished = true; }

private:
    PrintRecord& R;
    std::size_t Index;
};

} // namespace velmora::test
