// Focus and activation as the framework relies on them: message order, refusals, hand-over.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "InputFixture.h"

namespace {

// Names of the windows of one test, and what they heard, with the focus as
// GetFocus answered while they heard it.
std::map<HWND, std::string>& Names() {
    static std::map<HWND, std::string> names;
    return names;
}

std::vector<std::string>& Heard() {
    static std::vector<std::string> heard;
    return heard;
}

std::string NameOf(HWND hwnd) {
    if (hwnd == nullptr)
        return "0";
    auto it = Names().find(hwnd);
    return it != Names().end() ? it->second : "?";
}

// "name what argument (focus name)".
void Note(HWND hwnd, const char* what, const std::string& argument) {
    char line[128];
    std::snprintf(line, sizeof line, "%s %s %s (focus %s)", NameOf(hwnd).c_str(), what,
                  argument.c_str(), NameOf(GetFocus()).c_str());
    Heard().push_back(line);
}

LRESULT CALLBACK NamedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND other = reinterpret_cast<HWND>(msg == WM_ACTIVATE ? lp : wp);
    if (msg == WM_NCACTIVATE)
        Note(hwnd, "ncactivate", std::to_string(wp));
    else if (msg == WM_ACTIVATE)
        Note(hwnd, "activate", std::to_string(LOWORD(wp)) + " " + NameOf(other));
    else if (msg == WM_KILLFOCUS)
        Note(hwnd, "killfocus", NameOf(other));
    else if (msg == WM_SETFOCUS)
        Note(hwnd, "setfocus", NameOf(other));
    return DefWindowProcA(hwnd, msg, wp, lp);
}

class FocusOrder : public usertest::InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        Names().clear();
        Heard().clear();
    }
    HWND Top(const char* name, RECT rect, HWND owner = nullptr, DWORD style = WS_VISIBLE) {
        HWND hwnd = usertest::MakeWindow(rect, WS_POPUP | style, 0, owner, "FocusNamed", NamedProc);
        m_windows.push_back(hwnd);
        Names().insert_or_assign(hwnd, std::string(name));
        usertest::Drain();
        return hwnd;
    }
    HWND Child(const char* name, HWND parent, DWORD style = WS_VISIBLE) {
        HWND hwnd = usertest::MakeWindow(RECT{0, 0, 10, 10}, WS_CHILD | style, 0, parent,
                                         "FocusNamed", NamedProc);
        Names().insert_or_assign(hwnd, std::string(name));
        return hwnd;
    }
};

}  // namespace

// Focusing a child of an inactive window: the old window is deactivated and
// the new one activated before any focus message; each focus message sees
// GetFocus already on the new window and names the one the focus came from.
TEST_F(FocusOrder, SwitchingWindowsActivatesBeforeTheFocusMoves) {
    HWND a = Top("A", RECT{0, 0, 50, 50});
    HWND a1 = Child("a1", a);
    HWND b = Top("B", RECT{100, 0, 150, 50});
    HWND b1 = Child("b1", b);
    SetFocus(a1);
    ASSERT_EQ(GetActiveWindow(), a);
    Heard().clear();

    EXPECT_EQ(SetFocus(b1), b);
    EXPECT_EQ(GetFocus(), b1);
    EXPECT_EQ(Heard(), (std::vector<std::string>{
                           "A ncactivate 0 (focus a1)",
                           "A activate 0 B (focus a1)",
                           "B ncactivate 1 (focus a1)",
                           "B activate 1 A (focus a1)",
                           // The default WM_ACTIVATE handling focuses B.
                           "a1 killfocus B (focus B)",
                           "B setfocus a1 (focus B)",
                           "B killfocus b1 (focus b1)",
                           "b1 setfocus B (focus b1)",
                       }));
}

// A window that cannot take keys refuses the focus without any side effect.
TEST_F(FocusOrder, DisabledWindowsRefuseTheFocus) {
    struct Case {
        const char* what;
        bool disableWindow;
        bool disableParent;
        bool refused;
    };
    const Case CASES[] = {
        {"enabled", false, false, false},
        {"disabled", true, false, true},
        {"inside a disabled window", false, true, true},
    };
    for (const Case& c : CASES) {
        HWND a = Top("A", RECT{0, 0, 50, 50});
        HWND a1 = Child("a1", a);
        HWND b = Top("B", RECT{100, 0, 150, 50});
        HWND b1 = Child("b1", b);
        SetFocus(a1);
        EnableWindow(b1, c.disableWindow ? FALSE : TRUE);
        EnableWindow(b, c.disableParent ? FALSE : TRUE);
        Heard().clear();
        HWND previous = SetFocus(b1);
        if (c.refused) {
            EXPECT_EQ(previous, nullptr) << c.what;
            EXPECT_EQ(GetFocus(), a1) << c.what;
            EXPECT_EQ(GetActiveWindow(), a) << c.what;
            EXPECT_TRUE(Heard().empty()) << c.what;
        } else {
            EXPECT_EQ(GetFocus(), b1) << c.what;
            EXPECT_EQ(GetActiveWindow(), b) << c.what;
        }
        DestroyWindow(b);
        DestroyWindow(a);
    }
}

// Destroying the active window activates its owner when that can be
// activated, else another shown window; with none left nothing is active.
TEST_F(FocusOrder, DestroyingTheActiveWindowActivatesAnother) {
    struct Case {
        const char* what;
        bool owned;
        bool ownerShown;
        bool otherShown;
        const char* expected;
    };
    const Case CASES[] = {
        {"owned", true, true, true, "owner"},
        {"owned, owner hidden", true, false, true, "other"},
        {"not owned", false, true, true, "other"},
        {"not owned, alone", false, false, false, "0"},
    };
    for (const Case& c : CASES) {
        HWND owner = Top("owner", RECT{0, 0, 50, 50}, nullptr, c.ownerShown ? WS_VISIBLE : 0);
        HWND box = Top("box", RECT{10, 10, 40, 40}, c.owned ? owner : nullptr);
        HWND other = Top("other", RECT{200, 0, 250, 50}, nullptr, c.otherShown ? WS_VISIBLE : 0);
        SetActiveWindow(box);
        ASSERT_EQ(GetActiveWindow(), box) << c.what;
        DestroyWindow(box);
        EXPECT_EQ(NameOf(GetActiveWindow()), c.expected) << c.what;
        EXPECT_EQ(NameOf(GetFocus()), c.expected) << c.what;
        DestroyWindow(other);
        DestroyWindow(owner);
    }
}
