#include "qt/headless_host.h"

#include "qt/key_mapping.h"
#include "qt/painter_print_job.h"
#include "qt/picture_export.h"
#include "qt/wizard_panels.h"

#include <QPainter>

namespace velmora {

HeadlessHost::HeadlessHost(const std::filesystem::path& home, Size client, std::ostream& transcript)
    : Home(home), Ui(transcript), Picture(client) {
    S.HomePath = home;
    Ui.SetClientSize(client);
    Ui.SetWindowCanvas(Picture.GetCanvas());
    Ui.SetPaintHandler([this](const Rect& area) {
        Picture.SetBackground(Ui.Background());
        Picture.Repaint(area, [this](Canvas& c, const Rect& clip) { Prog->Paint(c, clip); });
    });
    // The print dialog's "PDF file" writes the PDF a script names; a capture is the window's backing image.
    Ui.SetPdfPrinter(
        [](const std::string& file, const PrintJobRequest& request) -> std::unique_ptr<PrintJob> {
            return std::make_unique<PdfPrintJob>(file, request);
        });
    Ui.SetCaptureHandler(
        [this] { return std::optional<CapturedPicture>(CapturePicture(Picture.GetImage())); });
    Prog = std::make_unique<Program>(S, Ui);
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::Start() {
    Prog->Start();
}

bool HeadlessHost::RunCommand(const std::string& handler) {
    return Prog->RunCommand(handler);
}

// A key of a script is pressed and let go, as a person's is.
void HeadlessHost::Key(const KeyEvent& key) {
    Prog->KeyDown(key);
    if (const auto c = TypedCharacter(key)) Prog->KeyPress(*c);
    Prog->KeyUp(key);
}

void HeadlessHost::Mouse(MouseAction action, std::optional<MouseButton> button, Point pixel) {
    switch (action) {
    case MouseAction::Down:
        Prog->MouseDown(button.value_or(MouseButton::Left), pixel);
        break;
    case MouseAction::Up:
        Prog->MouseUp(button.value_or(MouseButton::Left), pixel);
        break;
    case MouseAction::Move:
        Prog->MouseMove(pixel, button == MouseButton::Left);
        break;
    }
}

QImage HeadlessHost::RenderView() {
    const Size c = Ui.ClientSize();
    return RenderPicture(c.Width, c.Height, Ui.Background(), [this, c](Canvas& canvas) {
        Prog->Paint(canvas, Rect{0, 0, c.Width, c.Height});
    });
}

// What the user sees: the window's picture with a guided sequence's panels over it.
bool HeadlessHost::SaveView(const std::filesystem::path& file) {
    LastSaveError.clear();
    // A script may name a folder of its own for its pictures.
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    QImage view = RenderView();
    const WizardPanelTexts panels{Ui.WizardStepPanel(), Ui.WizardNotePanel()};
    if (panels.Shown()) {
        QPainter p(&view);
        PaintWizardPanels(p, view.size(), panels);
    }
    if (SavePicturePng(view, file, LastSaveError)) return true;
    Ui.Transcript() << "[save-view] " << LastSaveError << "\n";
    return false;
}

} // namespace velmora
