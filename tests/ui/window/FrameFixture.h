// A skinned test window built from an inline document, with the probe controls of the event tests.
#pragma once

#include <string>

#include "tests/ui/window/EventFixture.h"
#include "ui/windowbase/WindowImplBase.h"

namespace frametest {

class CTestFrame : public Orvik::WindowImplBase {
public:
    explicit CTestFrame(std::string xml) : m_sXml(std::move(xml)) {}
    bool m_bFinal = false;
    int m_nCustom = 0;
    bool m_bOwnerEnabledInside = true;
    HWND m_hOwnerSeen = nullptr;

protected:
    const char* WindowClassName() const override { return "OrvikTestFrame"; }
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString(m_sXml.c_str()); }
    Orvik::CControlUI* CreateCustomControl(const char* pstrClass) override {
        return m_factory.CreateCustomControl(pstrClass);
    }
    // WM_USER: note whether the owner is enabled, then close with the code in wParam.
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM, bool& bHandled) override {
        if (uMsg != WM_USER)
            return 0;
        ++m_nCustom;
        m_hOwnerSeen = GetWindow(m_hWnd, GW_OWNER);
        m_bOwnerEnabledInside = IsWindowEnabled(m_hOwnerSeen) != FALSE;
        if (wParam != 0)
            Close(static_cast<UINT>(wParam));
        bHandled = true;
        return 0;
    }
    void OnFinalMessage(HWND hWnd) override {
        WindowImplBase::OnFinalMessage(hWnd);
        m_bFinal = true;
    }

private:
    std::string m_sXml;
    eventtest::CProbeFactory m_factory;
};

// A frame created at (x, y), shown without activation (the document's size wins).
inline HWND CreateFrame(CTestFrame& frame, HWND hOwner = nullptr, int x = 100, int y = 100,
                        int cx = 680, int cy = 480) {
    HWND hWnd = frame.Create(hOwner, "Frame title", WS_POPUP | WS_CAPTION, 0, x, y, cx, cy);
    EXPECT_NE(hWnd, nullptr);
    frame.Show(true, false);
    return hWnd;
}

inline void Pump() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT)
            break;
        if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace frametest
