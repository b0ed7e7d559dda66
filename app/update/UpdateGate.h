// The update gate at start-up: an outdated launcher never opens its window.
#pragma once

#include <string>

// What the gate does besides checking; tests replace these.
struct UpdateGateHooks {
    // Shows the prompt with only an OK button; 1 when OK was pressed.
    int (*pfnPrompt)(const std::string& strText, const std::string& strTitle);
    void (*pfnOpenUrl)(const std::string& strUrl);
    void (*pfnExit)(int nCode);
    std::string strManifestUrl;  // empty: the built-in update server
};

UpdateGateHooks& UpdateGate();

// Returns when no newer version is announced; otherwise prompts, opens the
// download address when the user agrees, and ends the process either way.
void CheckUpdateAtStart();
