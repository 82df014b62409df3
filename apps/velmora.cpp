// velmora [--home DIR] [--script FILE] [--headless] [--size WxH]
// The drafting program: its window, or with --script a session replayed without one.
#include "app/home_folder.h"
#include "qt/velmora_session.h"

#include <QApplication>
#include <QMessageBox>
#include <QtGlobal>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace velmora;
    std::string error;
    const auto options = ParseVelmoraArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "velmora: " << error << "\n" << VelmoraUsage << "\n";
        return 2;
    }
    // Without a display the offscreen platform stands in; it must be chosen before the application exists.
    if (options->Headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmora 11.1");

    HomeEnvironment env = HomeEnvironment::FromProcess();
    env.HomeArgument = options->Home;
    const auto home = SetUpHomeFolder(env, error);
    if (!home) {
        const std::string why = "the home folder cannot be used: " + error;
        std::cerr << "velmora: " << why << "\n";
        if (!options->Script && !options->Headless)
            QMessageBox::critical(nullptr, "Velmora 11.1", QString::fromStdString(why));
        return 1;
    }
    if (options->Script) return RunScriptSession(*options, home->Path, std::cout, std::cerr);
    return RunWindowSession(*options, home->Path, QApplication::applicationDirPath().toStdString());
}
