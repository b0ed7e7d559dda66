// orvik-view's display mode: the document as a real window, served until it is closed.
#pragma once

#include "tools/view/ViewOptions.h"

namespace orvikview {

// Exit code: 0 once the window was closed, 2 when it cannot be created.
int RunDisplayView(const ViewOptions& options);

}  // namespace orvikview
