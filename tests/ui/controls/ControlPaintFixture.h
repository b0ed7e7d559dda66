// Paints a skin document's tree into a memory canvas and compares it with the controls' goldens.
#pragma once

#include <string>

#include "support/TestCanvas.h"
#include "support/TreeFixture.h"

namespace controltest {

constexpr uint32_t WHITE = testsupport::Argb(255, 255, 255, 255);

inline std::string GoldenDir() {
    return std::string(LUMORA_SOURCE_DIR) + "/tests/ui/controls/golden";
}
inline std::string FixtureDir() {
    return std::string(LUMORA_SOURCE_DIR) + "/tests/ui/controls/fixtures";
}

// A document laid out at the canvas size and painted once, as the paint
// cycle would do for a full repaint.
class CPaintedTree {
public:
    CPaintedTree(const std::string& xml, int cx, int cy, uint32_t fill = WHITE)
        : m_tree(xml), m_canvas(cx, cy, fill) {
        m_tree.Layout(cx, cy);
    }
    void Paint() {
        if (m_tree.Root() != nullptr)
            m_tree.Root()->Paint(m_canvas.Dc(), RECT{0, 0, m_canvas.Width(), m_canvas.Height()},
                                 nullptr);
    }
    testsupport::CTreeFixture& Tree() { return m_tree; }
    testsupport::CTestCanvas& Canvas() { return m_canvas; }
    template <class T>
    T* Find(const char* pstrName) {
        return static_cast<T*>(m_tree.Find(pstrName));
    }
    // Number of pixels whose red channel is above 128 and green and blue below.
    int CountReddish() const {
        int n = 0;
        for (int y = 0; y < m_canvas.Height(); ++y)
            for (int x = 0; x < m_canvas.Width(); ++x) {
                uint32_t px = m_canvas.At(x, y);
                if (((px >> 16) & 0xFF) > 128 && ((px >> 8) & 0xFF) < 100 && (px & 0xFF) < 100)
                    ++n;
            }
        return n;
    }

private:
    testsupport::CTreeFixture m_tree;
    testsupport::CTestCanvas m_canvas;
};

}  // namespace controltest
