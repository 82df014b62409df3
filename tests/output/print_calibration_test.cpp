// The print calibration: the factor of a measured test print, its file, and the values refused.
#include "output/print_calibration.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

TEST(PrintCalibration, FactorOfTheMeasuredSize) {
    const struct {
        int Metric, Measured;
        double Factor;
    } cases[] = {
        {1, 15000, 1.0},
        {1, 14850, 1.01},
        {1, 15150, 0.99},
        {0, 14976, 1.0},
        {0, 14976 - 24 * 12, 1.0192307692},
    };
    for (const auto& c : cases) {
        const auto f = CalibrationFactor(c.Metric, c.Measured);
        ASSERT_TRUE(f) << c.Measured;
        EXPECT_NEAR(*f, c.Factor, 1e-9) << c.Measured;
    }
}

TEST(PrintCalibration, RefusesSizesNoFactorCanCorrect) {
    // At 30000 the factor would be 0, beyond it negative: every later print would vanish or turn over.
    for (int measured : {0, -15000, 7499, 22501, 30000, 45000})
        EXPECT_FALSE(CalibrationFactor(1, measured)) << measured;
    EXPECT_FALSE(CalibrationFactor(0, 14976 * 2));
}

class CalibrationFile : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(Home.Path / "CFG"); }
    test::TempDir Home;
};

TEST_F(CalibrationFile, WritesTheMeasuredValueAndItsFactor) {
    std::string error;
    ASSERT_TRUE(WriteCalibration(Home.Path, 1, 14850, error)) << error;
    EXPECT_EQ(test::ReadFile(Home.Path / "CFG" / "PRNTCALM.CFG"), "14850 1.010000");
    const Calibration c = ReadCalibration(Home.Path, 1);
    EXPECT_EQ(c.Measured, 14850);
    EXPECT_DOUBLE_EQ(c.Factor, 1.01);
    EXPECT_DOUBLE_EQ(ReadCalibration(Home.Path, 0).Factor, 1.0); // the imperial file is its own
}

TEST_F(CalibrationFile, RefusedValueLeavesTheFileAlone) {
    test::WriteFile(Home.Path / "CFG" / "PRNTCALM.CFG", "15150 0.990000");
    std::string error;
    EXPECT_FALSE(WriteCalibration(Home.Path, 1, 30000, error));
    EXPECT_EQ(test::ReadFile(Home.Path / "CFG" / "PRNTCALM.CFG"), "15150 0.990000");
}

TEST_F(CalibrationFile, AbsentOrImpossibleFactorMeansAPerfectPrinter) {
    EXPECT_DOUBLE_EQ(ReadCalibration(Home.Path, 1).Factor, 1.0);
    for (const char* text : {"30000 0.000000", "15000 -1.5", "15000 nan", "garbage"}) {
        test::WriteFile(Home.Path / "CFG" / "PRNTCALM.CFG", text);
        EXPECT_DOUBLE_EQ(ReadCalibration(Home.Path, 1).Factor, 1.0) << text;
    }
}

} // namespace
} // namespace velmora
