// A headless window whose procedure hands every message to a window host first.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/user.h"
#include "support/TestCanvas.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

namespace testsupport {

class CHostWindow {
public:
    CHostWindow(int cx, int cy) {
        static bool s_bRegistered = [] {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = Proc;
            wc.lpszClassName = "OrvikTestHost";
            return RegisterClassExA(&wc) != 0;
        }();
        EXPECT_TRUE(s_bRegistered);
        m_hWnd = CreateWindowExA(0, "OrvikTestHost", "", WS_POPUP, 0, 0, cx, cy, nullptr, nullptr,
                                 nullptr, nullptr);
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_host));
        m_host.Init(m_hWnd, "test");
    }
    ~CHostWindow() {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;

    HWND Hwnd() const { return m_hWnd; }
    Orvik::CWindowHostUI& Host() { return m_host; }
    // Builds the document into the host and attaches the root.
    Orvik::CControlUI* Load(const std::string& xml) {
        Orvik::CSkinBuilder builder;
        Orvik::CControlUI* pRoot = builder.Create(xml.c_str(), nullptr, nullptr, &m_host);
        if (pRoot != nullptr)
            m_host.AttachRoot(pRoot);
        return pRoot;
    }
    void Show() { ShowWindow(m_hWnd, SW_SHOWNOACTIVATE); }
    // Dispatches what waits, paints included; bounded so a loop cannot hang.
    void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
            DispatchMessageA(&msg);
    }
    // The window's pixels (premultiplied 0xAARRGGBB), copied through its DC.
    std::vector<uint32_t> Pixels(int& cx, int& cy) const {
        RECT rc = {0, 0, 0, 0};
        GetClientRect(m_hWnd, &rc);
        cx = rc.right;
        cy = rc.bottom;
        CTestCanvas canvas(cx, cy);
        HDC hDC = GetDC(m_hWnd);
        BitBlt(canvas.Dc(), 0, 0, cx, cy, hDC, 0, 0, SRCCOPY);
        ReleaseDC(m_hWnd, hDC);
        return std::vector<uint32_t>(canvas.Bits(), canvas.Bits() + size_t(cx) * cy);
    }
    uint32_t PixelAt(int x, int y) const {
        int cx = 0, cy = 0;
        std::vector<uint32_t> px = Pixels(cx, cy);
        return x < cx && y < cy ? px[size_t(y) * cx + x] : 0;
    }
    // A pixel of the host's back buffer (bottom-up rows when layered).
    uint32_t BackPixelAt(int x, int y) {
        BITMAP bm = {};
        GetObjectA(m_host.GetBackBitmap(), sizeof bm, &bm);
        if (bm.bmBits == nullptr || x >= bm.bmWidth || y >= bm.bmHeight)
            return 0;
        int row = bm.bmHeight - 1 - y;
        return static_cast<const uint32_t*>(bm.bmBits)[size_t(row) * bm.bmWidth + x];
    }

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
        auto* pHost =
            reinterpret_cast<Orvik::CWindowHostUI*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        LRESULT lRes = 0;
        if (pHost != nullptr && pHost->MessageHandler(uMsg, wParam, lParam, lRes))
            return lRes;
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
    Orvik::CWindowHostUI m_host;
};

}  // namespace testsupport
