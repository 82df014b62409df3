// The one application object every Qt test needs (fonts, painting, widgets). It is a QApplication so that
// widget tests can share the program with painting tests; it runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        App = std::make_unique<QApplication>(Argc, Argv);
    }
    void TearDown() override { App.reset(); }

private:
    // QApplication keeps references to its arguments for its whole life.
    int Argc = 1;
    char Name[9] = "qt_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> App;
};

[[maybe_unused]] ::testing::Environment* const Registered =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
