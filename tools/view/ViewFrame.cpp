// orvik-view's window: prints each notification, then routes it as every skinned window does.
#include "tools/view/ViewFrame.h"

#include "platform/kernel.h"
#include "tools/view/ViewTree.h"
#include "ui/controls/ControlUI.h"

namespace orvikview {

void CViewFrame::HandleNotify(Orvik::NotifyRecord& msg) {
    if (m_pNotifyOut != nullptr) {
        std::string strName = msg.sender != nullptr ? msg.sender->GetName() : "";
        std::fprintf(m_pNotifyOut, "notify %s sender=\"%s\" wparam=%lld lparam=%lld\n",
                     platform::AnsiToUtf8(msg.type).c_str(),
                     platform::AnsiToUtf8(strName.c_str()).c_str(),
                     static_cast<long long>(msg.wParam), static_cast<long long>(msg.lParam));
        std::fflush(m_pNotifyOut);
    }
    WindowImplBase::HandleNotify(msg);
}

void CViewFrame::PrintTreeOnce() {
    if (m_pTreeOut == nullptr)
        return;
    PrintTree(Host().GetRoot(), m_pTreeOut);
    std::fflush(m_pTreeOut);
    m_pTreeOut = nullptr;
}

// The tree still exists here; it goes with the window's final message.
LRESULT CViewFrame::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    PrintTreeOnce();
    if (m_bQuitOnDestroy)
        ::PostQuitMessage(0);
    return WindowImplBase::OnDestroy(uMsg, wParam, lParam, bHandled);
}

}  // namespace orvikview
