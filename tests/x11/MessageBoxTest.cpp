// The message box on a display: a modal window over its owner that Enter, Escape or OK closes.
#include "X11Fixture.h"

#include "platform/backends/x11/x11_message_box.h"

namespace x11test {

class MessageBoxX11Test;

namespace {

enum class Answer { Enter, Escape, ClickOk, DestroyBox };

struct BoxRun {
    MessageBoxX11Test* test = nullptr;
    Answer answer = Answer::Enter;
    HWND box = nullptr;
    bool modalOwner = false;
    bool answered = false;
    bool timedOut = false;
    int ticks = 0;
    RECT placed{};
};
BoxRun* g_run = nullptr;

}  // namespace

class MessageBoxX11Test : public X11Test {
public:
    bool Viewable(HWND hwnd) const { return Attributes(hwnd).map_state == IsViewable; }

    // Runs MessageBoxA over an owner; the timer answers once the box is on screen.
    int ShowAndAnswer(Answer answer) {
        HWND owner = OpenWindow(100, 100, 400, 300);
        EXPECT_TRUE(WaitViewable(owner));
        BoxRun run{this, answer};
        g_run = &run;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, OnTick);
        int result = MessageBoxA(owner, "The update could not be applied.", "Lumora", MB_OK);
        KillTimer(nullptr, timer);
        g_run = nullptr;
        EXPECT_TRUE(run.answered) << "the box closed without its answer";
        EXPECT_FALSE(run.timedOut) << "the box outlived its answer";
        EXPECT_TRUE(run.modalOwner) << "the owner stayed enabled under the box";
        EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner is not given back";
        EXPECT_FALSE(IsWindow(run.box));
        return result;
    }

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
        BoxRun& run = *g_run;
        if (++run.ticks > 250 && !run.timedOut) {
            run.timedOut = true;
            PostQuitMessage(0);  // never hang on a box that did not show or did not end
        }
        if (run.answered || run.timedOut)
            return;
        run.box = platform::x11::ShownMessageBox();
        if (run.box == nullptr || !run.test->Viewable(run.box))
            return;
        run.modalOwner = !IsWindowEnabled(GetWindow(run.box, GW_OWNER));
        run.answered = true;
        run.test->Reply(run.box, run.answer);
    }

    void Reply(HWND box, Answer answer) {
        if (answer == Answer::Enter) {
            TapKey(XK_Return);
        } else if (answer == Answer::Escape) {
            TapKey(XK_Escape);
        } else if (answer == Answer::DestroyBox) {
            DestroyWindow(box);
        } else {
            RECT ok = platform::x11::MessageBoxButton(box);
            POINT centre = {(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2};
            ClientToScreen(box, &centre);
            MovePointer(centre.x, centre.y);
            Button(1, true);
            Button(1, false);
        }
    }
};

TEST_F(MessageBoxX11Test, EnterEscapeOkAndDestructionEachEndTheBoxWithIdok) {
    for (Answer answer : {Answer::Enter, Answer::Escape, Answer::ClickOk, Answer::DestroyBox}) {
        SCOPED_TRACE(int(answer));
        EXPECT_EQ(ShowAndAnswer(answer), IDOK);
    }
}

TEST_F(MessageBoxX11Test, BoxWithoutOwnerIsCentredOnTheScreen) {
    BoxRun run{this, Answer::Enter};
    g_run = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        BoxRun& r = *g_run;
        HWND box = platform::x11::ShownMessageBox();
        if (r.answered || box == nullptr || !r.test->Viewable(box))
            return;
        r.box = box;
        r.answered = true;
        GetWindowRect(box, &r.placed);
        PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Saved.", "Lumora", MB_OK), IDOK);
    KillTimer(nullptr, timer);
    g_run = nullptr;
    ASSERT_TRUE(run.answered);
    // The test screen is 1280 x 800 and has no manager to reserve any of it.
    EXPECT_NEAR((run.placed.left + run.placed.right) / 2, 640, 1);
    EXPECT_NEAR((run.placed.top + run.placed.bottom) / 2, 400, 1);
    EXPECT_FALSE(IsWindow(run.box));
}

}  // namespace x11test
