#include "output/save_screen.h"

#include "dialogs/save_screen_dialog.h"
#include "model/drawing_names.h"
#include "output/bmp_writer.h"
#include "output/dib.h"
#include "output/png_writer.h"
#include "tools/drawing_tool.h"
#include "tools/tool_install.h"

#include <cctype>
#include <filesystem>

namespace velmora {

namespace {

constexpr int LastCommandFile = 200;

struct TypeTexts {
    const char* Extension;
    const char* Request;
    const char* Saved;
    const char* Explain;
};

TypeTexts TextsOf(PictureType type) {
    if (type == PictureType::Bmp)
        return {".BMP", "input name of '.BMP' file to save to",
                "Bitmap file '.BMP' saved in EXPORT subdirectory",
                "SAVE AS A BITMAP\nThis function capture the screen as a bitmap"};
    return {".PNG", "input name of '.PNG' file to save to",
            "Portable Network Graphics file '.PNG' saved in EXPORT subdirectory",
            "SAVE AS A '.PNG' graphic file\nThis function capture the screen as a graphic '.PNG' file"};
}

// Writes the picture; false with the message that tells the user it was not written.
bool WritePicture(PictureType type, const CapturedPicture& picture, const std::filesystem::path& file,
                  std::string& message) {
    if (type == PictureType::Bmp) {
        std::string error;
        if (WriteBmpFile(file, MakeDib(picture, 24), error)) return true;
        message = "The picture was not saved: " + error;
        return false;
    }
    const Dib dib = MakeDib(picture, 32);
    PngRequest request;
    request.Flags = 1;
    request.FileName = file;
    request.Header = dib.Header.data();
    request.Bits = dib.Bits.data();
    const PngResult result = WritePng(request);
    if (result == PngOk) return true;
    message = "Error writing PNG file";
    return false;
}

void Export(AppState& s, Ui& ui, PictureType type) {
    const TypeTexts t = TextsOf(type);
    ui.SetPanel(0, t.Request);
    DialogDescription d = Tsavescreen::Make(s.DrawingName);
    if (!RunAccepted(ui, d)) return;
    const std::string name = TidyDrawingName(d.Value(Tsavescreen::Name));
    if (const auto refusal = PictureNameRefusal(name)) {
        ui.Message("", *refusal, MessageKind::Error);
        ui.Invalidate();
        return;
    }
    const std::filesystem::path file = s.HomePath / "EXPORT" / (name + t.Extension);
    std::error_code ec;
    if (std::filesystem::exists(file, ec) &&
        !ui.AskYesNo(Tsavescreen::Caption, name + t.Extension +
                                               " already exists in the EXPORT subdirectory - "
                                               "do you wish to replace it?"))
        return;
    // The dialog has gone: a full repaint now, so the capture holds the drawing and nothing over it.
    ui.Invalidate();
    ui.UpdateNow();
    const std::optional<CapturedPicture> picture = ui.CaptureWindow();
    std::string message = "The picture was not saved: the window's picture could not be captured";
    std::filesystem::create_directories(file.parent_path(), ec);
    if (!picture || !WritePicture(type, *picture, file, message)) {
        ui.Message("", message, MessageKind::Error);
        return;
    }
    ui.Message("", t.Saved);
    ui.SetPanel(0, "GUIDE: select a function");
    ui.SetPanel(2, "pick tool");
}

void PictureCommand(AppState& s, Ui& ui, PictureType type) {
    if (s.DrawingReady < 2 || s.DrawingObjects.ObjectCount() <= 1) {
        ui.Message("", TextsOf(type).Explain);
        return;
    }
    s.LastCommand = LastCommandFile;
    InstallTool(s, ui, ModePick);
    if (ui.HasDrawingWindow()) Export(s, ui, type);
}

} // namespace

std::optional<std::string> PictureNameRefusal(std::string_view name) {
    if (name.empty()) return std::string(EmptyPictureName);
    if (name.size() > static_cast<std::size_t>(Tsavescreen::MaxName)) return std::string(PictureNameTooLong);
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ') return std::string(PictureNameLetters);
    return std::nullopt;
}

void CmBmpExecute(AppState& s, Ui& ui) {
    PictureCommand(s, ui, PictureType::Bmp);
}

void CmPngExecute(AppState& s, Ui& ui) {
    PictureCommand(s, ui, PictureType::Png);
}

} // namespace velmora
