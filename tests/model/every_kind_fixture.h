// The fixture drawing that holds one object of every kind, read into a list.
#pragma once

#include "model/drawing_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace velmora::test {

inline TFlist ReadEveryKind(DrawingHeader& header) {
    TFlist list;
    const auto fault = ParseDrawing(ReadFile(Fixture("every_kind.BMS")), {}, list, header);
    EXPECT_FALSE(fault) << (fault ? fault->Message : "");
    return list;
}

} // namespace velmora::test
