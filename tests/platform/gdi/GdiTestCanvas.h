// The shared test canvas, with golden images kept beside the drawing layer's tests.
#pragma once

#include <string>

#include "support/TestCanvas.h"

namespace gditest {

using testsupport::Argb;
using testsupport::Channel;
using testsupport::CTestCanvas;
using testsupport::MaxChannelDiff;

// Compares with tests/platform/gdi/golden/<name>.png; failures go to gdi_output/.
inline ::testing::AssertionResult MatchesGolden(const CTestCanvas& canvas, const std::string& name,
                                                int tolerance) {
    return testsupport::MatchesGolden(canvas,
                                      std::string(LUMORA_SOURCE_DIR) + "/tests/platform/gdi/golden",
                                      "gdi_output", name, tolerance);
}

}  // namespace gditest
