// Tree printing for orvik-view: children in list order, names in UTF-8.
#include "tools/view/ViewTree.h"

#include <string>

#include "platform/kernel.h"
#include "ui/controls/ControlUI.h"
#include "ui/controls/IContainerUI.h"

namespace orvikview {

namespace {

void PrintControl(Orvik::CControlUI* pControl, int nDepth, std::FILE* pOut) {
    const RECT& rc = pControl->GetBounds();
    std::string strName = platform::AnsiToUtf8(pControl->GetName());
    std::fprintf(pOut, "%*s%s name=\"%s\" pos=%ld,%ld,%ld,%ld visible=%d\n", nDepth * 2, "",
                 pControl->GetTypeName(), strName.c_str(), static_cast<long>(rc.left),
                 static_cast<long>(rc.top), static_cast<long>(rc.right),
                 static_cast<long>(rc.bottom), pControl->IsVisible() ? 1 : 0);
    auto* pContainer = static_cast<Orvik::IContainerUI*>(pControl->AsType("IContainer"));
    if (pContainer == nullptr)
        return;
    for (int i = 0; i < pContainer->GetCount(); ++i)
        PrintControl(pContainer->GetItemAt(i), nDepth + 1, pOut);
}

}  // namespace

void PrintTree(Orvik::CControlUI* pRoot, std::FILE* pOut) {
    if (pRoot != nullptr)
        PrintControl(pRoot, 0, pOut);
}

}  // namespace orvikview
