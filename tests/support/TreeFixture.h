// Builds small skin documents into a host's tree and reads positions back.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

namespace testsupport {

inline std::string RectText(const RECT& rc) {
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) +
           "," + std::to_string(rc.bottom);
}

// A host without a window, holding the tree of one inline document.
class CTreeFixture {
public:
    explicit CTreeFixture(const std::string& xml,
                          Orvik::IDialogBuilderCallback* pCallback = nullptr) {
        Orvik::CSkinBuilder builder;
        m_pRoot = builder.Create(xml.c_str(), nullptr, pCallback, &m_host);
        if (m_pRoot != nullptr)
            m_host.AttachRoot(m_pRoot);
    }
    Orvik::CWindowHostUI& Host() { return m_host; }
    Orvik::CControlUI* Root() const { return m_pRoot; }
    // Places the root as the host's full layout pass would.
    void Layout(int cx, int cy) {
        ASSERT_NE(m_pRoot, nullptr);
        m_pRoot->SetBounds(RECT{0, 0, cx, cy}, false);
    }
    Orvik::CControlUI* Find(const char* pstrName) { return m_host.FindControlByName(pstrName); }
    // "l,t,r,b" of a named control, or "missing".
    std::string RectOf(const char* pstrName) {
        Orvik::CControlUI* p = Find(pstrName);
        return p != nullptr ? RectText(p->GetBounds()) : std::string("missing");
    }

private:
    Orvik::CWindowHostUI m_host;
    Orvik::CControlUI* m_pRoot = nullptr;
};

}  // namespace testsupport
