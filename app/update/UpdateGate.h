// The update gate at start-up: an outdated launcher never opens its window.
#pragma once

#include <string>

// What the update server said: bNewer with both versions when a newer one is announced.
struct UpdateAnswer {
    bool bNewer = false;
    std::string strCur;
    std::string strNew;
};

// The network half of the gate: touches no window, so it may run on any thread.
UpdateAnswer AskForUpdate();
// The user's half, on the user-interface thread: returns when nothing newer is announced;
// otherwise prompts, opens the download address when the user agrees, and ends the process.
void ActOnUpdateAnswer(const UpdateAnswer& answer);

// Both halves in turn.
void CheckUpdateAtStart();
