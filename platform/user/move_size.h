// Moving and resizing a window from a press on its caption or border.
#pragma once

#include "platform/user.h"

namespace platform::user {

// Starts a move (HTCAPTION) or resize (border codes) of hwnd from the pointer
// at screenPos: the window system's own when the backend offers it, else
// driven by the core from the following pointer events. False for other codes.
bool BeginMoveSize(HWND hwnd, int hitTest, POINT screenPos);
// The core drives a move or resize: the pointer is now at screenPos. Returns
// whether the event was used for it.
bool ContinueMoveSize(POINT screenPos);
// The button went up: the move or resize ends (WM_EXITSIZEMOVE). Returns
// whether one was running.
bool EndMoveSize();
bool IsSizingCode(int hitTest);

}  // namespace platform::user
