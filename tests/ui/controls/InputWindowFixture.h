// A headless window built from a skin document, driven by injected input on a manual clock.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backends/headless/headless.h"
#include "platform/user.h"
#include "support/OwningHostProc.h"
#include "support/TestCanvas.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace controltest {

// The window sits at the screen's origin on a small screen; coordinates given
// to the helpers are client coordinates. Skin images come from the
// launcher's skin folder.
class CInputWindow : public Orvik::INotifyUI {
public:
    static constexpr int ORIGIN = 0;

    explicit CInputWindow(const std::string& xml, int cx = 300, int cy = 200) {
        platform::headless::SetScreen(800, 600, RECT{0, 0, 800, 560});
        platform::headless::UseManualClock(true);
        platform::headless::ResetInput();
        Orvik::CSkinStore::OpenArchiveFile("", true);
        Orvik::CSkinStore::SetSkinPath(LUMORA_SOURCE_DIR "/skin/");
        static bool s_registered = [] {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = testsupport::OwningHostProc;
            wc.lpszClassName = "OrvikControlInputTest";
            return RegisterClassExA(&wc) != 0;
        }();
        EXPECT_TRUE(s_registered);
        m_hWnd = CreateWindowExA(0, "OrvikControlInputTest", "", WS_POPUP | WS_VISIBLE, ORIGIN,
                                 ORIGIN, cx, cy, nullptr, nullptr, nullptr, nullptr);
        m_pHost = new Orvik::CWindowHostUI;
        m_pHost->Init(m_hWnd);
        Orvik::CSkinBuilder builder;
        Orvik::CControlUI* pRoot = builder.Create(xml.c_str(), nullptr, nullptr, m_pHost);
        EXPECT_NE(pRoot, nullptr);
        m_pHost->AttachRoot(pRoot);
        m_pHost->AddNotifier(this);
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_pHost));
        SetFocus(m_hWnd);
        Pump();
        m_notes.clear();
    }
    ~CInputWindow() override {
        // The pointer goes back to the corner a fresh process has it in while
        // this window is there to report the move: later windows must not
        // find it resting over them.
        platform::headless::ResetInput();
        platform::headless::MovePointer(0, 0);
        Pump();
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        Pump();
        // Leave the screen as a fresh process has it.
        platform::headless::UseManualClock(false);
        platform::headless::ResetInput();
        platform::headless::SetScreen(1920, 1080, RECT{0, 0, 1920, 1040});
        Orvik::CSkinStore::SetSkinPath("");
    }
    CInputWindow(const CInputWindow&) = delete;
    CInputWindow& operator=(const CInputWindow&) = delete;

    void HandleNotify(Orvik::NotifyRecord& msg) override {
        std::string type(static_cast<const char*>(msg.type));
        if (type == "timer" || type == "setfocus" || type == "killfocus")
            return;
        std::string name = msg.sender != nullptr ? msg.sender->GetName() : "(none)";
        m_notes.push_back(std::string(msg.type) + " " + name + " " + std::to_string(msg.wParam) +
                          " " + std::to_string(msg.lParam));
    }

    HWND Hwnd() const { return m_hWnd; }
    Orvik::CWindowHostUI& Host() { return *m_pHost; }
    template <class T = Orvik::CControlUI>
    T* Find(const char* pstrName) {
        return static_cast<T*>(m_pHost->FindControlByName(pstrName));
    }
    // What listeners heard, as "type name wParam lParam"; timer and focus notices left out.
    std::vector<std::string>& Notes() { return m_notes; }
    std::vector<std::string> TakeNotes() {
        std::vector<std::string> out;
        out.swap(m_notes);
        return out;
    }

    void Move(int x, int y) {
        platform::headless::MovePointer(ORIGIN + x, ORIGIN + y);
        Pump();
    }
    void Press() {
        platform::headless::PressButton();
        Pump();
    }
    void Release() {
        platform::headless::ReleaseButton();
        Pump();
    }
    void Click(int x, int y) {
        Move(x, y);
        Press();
        Release();
        // Keep the next press from pairing with this one into a double click.
        platform::headless::AdvanceClock(1000);
        Pump();
    }
    void Wheel(int notches) {
        platform::headless::TurnWheel(notches);
        Pump();
    }
    void Key(UINT vk) {
        platform::headless::PressKey(vk);
        platform::headless::ReleaseKey(vk);
        Pump();
    }
    // Advances the clock in steps of `ms`, serving the queue after each.
    void Tick(DWORD ms, int nTimes = 1) {
        for (int i = 0; i < nTimes; ++i) {
            platform::headless::AdvanceClock(ms);
            Pump();
        }
    }
    // Serves the queue as the message loop would, until it is idle.
    void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The whole tree painted into a fresh canvas the size of the client area.
    void PaintInto(testsupport::CTestCanvas& canvas) { m_pHost->PrintClient(canvas.Dc()); }

private:
    HWND m_hWnd = nullptr;
    Orvik::CWindowHostUI* m_pHost = nullptr;
    std::vector<std::string> m_notes;
};

inline std::string GoldenDir() {
    return std::string(LUMORA_SOURCE_DIR) + "/tests/ui/controls/golden";
}

// Actual and diff pictures of a failed comparison go here (relative to the test's folder).
inline const char* GoldenOutDir() {
    return "controls_output";
}

}  // namespace controltest
