// Prints a laid-out control tree, one line per control.
#pragma once

#include <cstdio>

namespace Orvik {
class CControlUI;
}

namespace orvikview {

// Two spaces per depth, then: TypeName name="NAME" pos=L,T,R,B visible=1
void PrintTree(Orvik::CControlUI* pRoot, std::FILE* pOut);

}  // namespace orvikview
