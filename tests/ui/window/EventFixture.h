// A headless window whose host gets every message, with probe controls that log their events.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/backends/headless/headless.h"
#include "platform/user.h"
#include "support/OwningHostProc.h"
#include "ui/builder/SkinBuilder.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/ControlUI.h"
#include "ui/window/WindowHostUI.h"

namespace eventtest {

// Every probe event and notification, as "name:kind" or "notify type name".
inline std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

// A control that logs what it gets; "tabstop" and "type" shape it, and a
// test may hook one event kind.
class CProbeUI : public Orvik::CControlUI {
public:
    const char* GetTypeName() const override { return m_sType.c_str(); }
    UINT GetInputFlags() override { return m_uFlags; }
    void SetAttribute(const char* pstrName, const char* pstrValue) override {
        if (std::string(pstrName) == "tabstop")
            m_uFlags |= 1;
        else if (std::string(pstrName) == "type")
            m_sType = pstrValue;
        else
            CControlUI::SetAttribute(pstrName, pstrValue);
    }
    void ProcessEvent(Orvik::ControlEvent& event) override {
        Log().push_back(std::string(GetName()) + ":" + std::to_string(event.kind));
        m_lastEvent = event;
        m_byKind[event.kind] = event;
        if (m_onKind == event.kind && m_onEvent) {
            m_onEvent();  // may delete this control: nothing after it
            return;
        }
        CControlUI::ProcessEvent(event);
    }
    void Hook(int kind, std::function<void()> fn) {
        m_onKind = kind;
        m_onEvent = std::move(fn);
    }
    // The latest event of a kind (kind 0 when none came).
    Orvik::ControlEvent Last(int kind) { return m_byKind[kind]; }
    Orvik::ControlEvent m_lastEvent;

private:
    std::string m_sType = "Probe";
    UINT m_uFlags = 0;
    std::map<int, Orvik::ControlEvent> m_byKind;
    int m_onKind = -1;
    std::function<void()> m_onEvent;
};

class CProbeFactory : public Orvik::IDialogBuilderCallback {
public:
    Orvik::CControlUI* CreateCustomControl(const char* pstrClass) override {
        return std::string(pstrClass) == "Probe" ? new CProbeUI : nullptr;
    }
};

// A visible popup at (100, 100) with a host of its own, built from a skin
// whose custom tag "Probe" makes logging controls. The host dies with the window.
class CEventWindow : public Orvik::INotifyUI {
public:
    explicit CEventWindow(const std::string& xml, int cx = 300, int cy = 200) {
        Log().clear();
        platform::headless::UseManualClock(true);
        platform::headless::ResetInput();
        static bool s_registered = [] {
            WNDCLASSEXA wc{};
            wc.cbSize = sizeof wc;
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = testsupport::OwningHostProc;
            wc.lpszClassName = "OrvikEventTest";
            return RegisterClassExA(&wc) != 0;
        }();
        EXPECT_TRUE(s_registered);
        m_hWnd = CreateWindowExA(0, "OrvikEventTest", "", WS_POPUP | WS_VISIBLE, 100, 100, cx, cy,
                                 nullptr, nullptr, nullptr, nullptr);
        m_pHost = new Orvik::CWindowHostUI;
        m_pHost->Init(m_hWnd);
        Orvik::CSkinBuilder builder;
        CProbeFactory factory;
        Orvik::CControlUI* pRoot = builder.Create(xml.c_str(), nullptr, &factory, m_pHost);
        EXPECT_NE(pRoot, nullptr);
        m_pHost->AttachRoot(pRoot);
        m_pHost->AddNotifier(this);
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_pHost));
        Pump();
        Log().clear();
    }
    ~CEventWindow() override {
        // Injected input must not leave a button held or the pointer resting
        // over where the next test's window opens.
        // The pointer's record only moves over a window, so this one is
        // brought to the corner to report the move there.
        platform::headless::ResetInput();
        if (IsWindow(m_hWnd)) {
            SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            platform::headless::MovePointer(0, 0);
            Pump();
        }
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        platform::headless::UseManualClock(false);
    }
    void HandleNotify(Orvik::NotifyRecord& msg) override {
        std::string name = msg.sender != nullptr ? msg.sender->GetName() : "(none)";
        Log().push_back("notify " + std::string(msg.type) + " " + name + " " +
                        std::to_string(msg.wParam) + " " + std::to_string(msg.lParam));
    }

    HWND Hwnd() const { return m_hWnd; }
    Orvik::CWindowHostUI& Host() { return *m_pHost; }
    CProbeUI* Probe(const char* pstrName) {
        return static_cast<CProbeUI*>(m_pHost->FindControlByName(pstrName));
    }
    LRESULT Send(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(m_hWnd, uMsg, wParam, lParam);
    }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Down(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Up(int x, int y) { Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    // Injected input as a display reports it, in client coordinates; each
    // serves the queue afterwards.
    void Point(int x, int y) {
        POINT pt = {x, y};
        ClientToScreen(m_hWnd, &pt);
        platform::headless::MovePointer(pt.x, pt.y);
        Pump();
    }
    void Press(platform::user::NativeButton button = platform::user::NativeButton::Left) {
        platform::headless::PressButton(button);
        Pump();
    }
    void Release(platform::user::NativeButton button = platform::user::NativeButton::Left) {
        platform::headless::ReleaseButton(button);
        Pump();
    }
    void Wheel(int notches) {
        platform::headless::TurnWheel(notches);
        Pump();
    }
    void KeyDown(UINT vk) {
        platform::headless::PressKey(vk);
        Pump();
    }
    void KeyUp(UINT vk) {
        platform::headless::ReleaseKey(vk);
        Pump();
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
    // The log lines that start with one of the prefixes.
    static std::vector<std::string> Only(const std::string& prefix) {
        std::vector<std::string> out;
        for (const std::string& line : Log())
            if (line.rfind(prefix, 0) == 0)
                out.push_back(line);
        return out;
    }

private:
    HWND m_hWnd = nullptr;
    Orvik::CWindowHostUI* m_pHost = nullptr;
};

}  // namespace eventtest
