// orvik-view's window for event scripts: a skinned window base over the viewed document.
#pragma once

#include <cstdio>
#include <string>

#include "ui/windowbase/WindowImplBase.h"

namespace orvikview {

class CViewFrame : public Orvik::WindowImplBase {
public:
    CViewFrame(std::string strDocument, std::FILE* pNotifyOut)
        : m_strDocument(std::move(strDocument)), m_pNotifyOut(pNotifyOut) {}

    void HandleNotify(Orvik::NotifyRecord& msg) override;
    // On a display the program lives as long as this window: its end ends the loop.
    void EndLoopOnDestroy() { m_bQuitOnDestroy = true; }
    // Prints the tree to pOut once: at PrintTreeOnce, or when the window goes
    // before that (a script that closes it still shows where things went).
    void PrintTreeAtEnd(std::FILE* pOut) { m_pTreeOut = pOut; }
    void PrintTreeOnce();

protected:
    const char* WindowClassName() const override { return "OrvikViewFrame"; }
    // The skin store was pointed at the skin before the window exists.
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString(m_strDocument.c_str()); }
    LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    std::string m_strDocument;
    std::FILE* m_pNotifyOut;
    bool m_bQuitOnDestroy = false;
    std::FILE* m_pTreeOut = nullptr;
};

}  // namespace orvikview
