// Reads the class name from the core's window table (no X header here: both name a Window).
#include "platform/backends/x11/window_class_name.h"

#include "platform/user/window_table.h"

namespace platform::x11 {

std::string WindowClassName(HWND hwnd) {
    std::string name;
    platform::user::WindowTable::Instance().With(hwnd, [&](platform::user::Window& w) {
        if (w.windowClass != nullptr)
            name = w.windowClass->name;
    });
    return name;
}

}  // namespace platform::x11
