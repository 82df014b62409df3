#include "qt/velmora_session.h"

#include "app/program.h"
#include "app/session_script.h"
#include "qt/headless_host.h"
#include "qt/help_window.h"
#include "qt/main_form.h"
#include "qt/qt_ui.h"

#include <QApplication>
#include <QScreen>

#include <charconv>

namespace velmora {

namespace {

constexpr int MaxSide = 10000;

std::optional<Size> ParseSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos) return std::nullopt;
    Size s;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto w = std::from_chars(begin, begin + x, s.Width);
    const auto h = std::from_chars(begin + x + 1, end, s.Height);
    if (w.ec != std::errc() || w.ptr != begin + x || h.ec != std::errc() || h.ptr != end) return std::nullopt;
    if (s.Width < 1 || s.Height < 1 || s.Width > MaxSide || s.Height > MaxSide) return std::nullopt;
    return s;
}

} // namespace

std::optional<VelmoraOptions> ParseVelmoraArguments(const std::vector<std::string>& args,
                                                    std::string& error) {
    VelmoraOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--home" || a == "--script" || a == "--size";
        if (takesValue && i + 1 >= args.size()) {
            error = a + " needs a value";
            return std::nullopt;
        }
        if (a == "--home") {
            o.Home = args[++i];
        } else if (a == "--script") {
            o.Script = args[++i];
        } else if (a == "--size") {
            o.WindowSize = ParseSize(args[++i]);
            if (!o.WindowSize) {
                error = "--size wants WIDTHxHEIGHT (1 to 10000 pixels each), not " + args[i];
                return std::nullopt;
            }
        } else if (a == "--headless") {
            o.Headless = true;
        } else {
            error = "unknown argument " + a;
            return std::nullopt;
        }
    }
    return o;
}

int RunScriptSession(const VelmoraOptions& options, const std::filesystem::path& home, std::ostream& out,
                     std::ostream& err) {
    if (!options.Script) {
        err << "velmora: no script to run\n";
        return 1;
    }
    HeadlessHost host(home, options.WindowSize.value_or(DefaultScriptWindow), out);
    ScriptResult result;
    try {
        host.Start();
        result = RunScriptFile(*options.Script, host);
    } catch (const std::exception& e) {
        result = {false, 0, std::string("the program failed at start-up: ") + e.what()};
    }
    out.flush();
    if (result.Ok) return 0;
    err << "velmora: " << options.Script->string() << ": " << result.Message << "\n";
    return 1;
}

int RunWindowSession(const VelmoraOptions& options, const std::filesystem::path& home,
                     const std::filesystem::path& executableDir) {
    TMainForm form;
    QtUi ui(form, FindHelpFolder(HelpFolderCandidates(home, executableDir)));
    AppState state;
    state.HomePath = home;
    Program program(state, ui);
    form.Attach(&program);
    if (options.WindowSize) {
        form.resize(options.WindowSize->Width, options.WindowSize->Height);
        form.show();
    } else {
        // Without a window manager (a bare X server) maximising is only a wish: fill the screen first.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            form.setGeometry(screen->availableGeometry());
        form.showMaximized();
    }
    form.Dispatch([&program] { program.Start(); });
    form.ApplyGuide(program.GuidePosition(), program.GuideColour(), program.TextColour());
    const int status = QApplication::exec();
    form.Attach(nullptr);
    return status;
}

} // namespace velmora
