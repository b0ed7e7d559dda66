// A shadowed test window: a host built from an inline skin, with the skin's shadow image at hand.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../render/RenderTestImages.h"
#include "platform/backends/headless/headless.h"
#include "platform/user.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

namespace shadowtest {

// The launcher skin's Window attributes of the shadow.
inline const char* const IMAGE_SHADOW =
    "showshadow=\"true\" shadowimage=\"shadow.png\" shadowcorner=\"18,17,18,23\"";

inline std::string SkinDocument(const std::string& windowAttributes, int cx = 680, int cy = 480) {
    return "<Window size=\"" + std::to_string(cx) + "," + std::to_string(cy) + "\" " +
           windowAttributes + "><VerticalLayout bkcolor=\"#FF3A6EA5\"/></Window>";
}

inline LRESULT CALLBACK HostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* pHost = reinterpret_cast<Orvik::CWindowHostUI*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    LRESULT lRes = 0;
    if (pHost != nullptr && pHost->MessageHandler(uMsg, wParam, lParam, lRes))
        return lRes;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

inline void Pump() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

inline RECT RectOf(HWND hWnd) {
    RECT rc{};
    GetWindowRect(hWnd, &rc);
    return rc;
}

// A popup at (x, y) whose host is built from the document; shown unless told not to.
class CShadowWindow {
public:
    CShadowWindow(const std::string& xml, int x = 100, int y = 100, bool bShow = true) {
        static bool s_bRegistered = [] {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = HostProc;
            wc.lpszClassName = "OrvikShadowTestHost";
            return RegisterClassExA(&wc) != 0;
        }();
        EXPECT_TRUE(s_bRegistered);
        m_hWnd = CreateWindowExA(0, "OrvikShadowTestHost", "", WS_POPUP, x, y, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
        m_pHost = new Orvik::CWindowHostUI;
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_pHost));
        m_pHost->Init(m_hWnd, "shadow");
        Load(xml);
        if (bShow)
            ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        Pump();
    }
    ~CShadowWindow() {
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        DeleteHost();
    }
    CShadowWindow(const CShadowWindow&) = delete;
    CShadowWindow& operator=(const CShadowWindow&) = delete;

    void Load(const std::string& xml) {
        Orvik::CSkinBuilder builder;
        Orvik::CControlUI* pRoot = builder.Create(xml.c_str(), nullptr, nullptr, m_pHost);
        ASSERT_NE(pRoot, nullptr);
        m_pHost->AttachRoot(pRoot);
    }
    void DeleteHost() {
        if (IsWindow(m_hWnd))
            SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        delete m_pHost;
        m_pHost = nullptr;
    }
    HWND Hwnd() const { return m_hWnd; }
    Orvik::CShadowUI& Shadow() { return m_pHost->GetShadow(); }
    HWND ShadowHwnd() { return Shadow().GetHWND(); }

private:
    HWND m_hWnd = nullptr;
    Orvik::CWindowHostUI* m_pHost = nullptr;
};

// A skin folder holding the launcher's shadow image.
class CShadowSkin : public rendertest::CTempSkin {
public:
    CShadowSkin() {
        std::ifstream in(std::string(LUMORA_SOURCE_DIR) + "/skin/shadow.png", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        EXPECT_FALSE(bytes.str().empty()) << "skin/shadow.png is missing";
        Write("shadow.png", bytes.str());
    }
};

}  // namespace shadowtest
