// Monitors from RandR and the work area the window manager announces.
#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/backends/x11/x11_backend.h"

namespace platform::x11 {

using platform::user::NativeMonitor;

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.left < r.right && r.top < r.bottom ? r : a;
}

std::vector<NativeMonitor> RandrMonitors(Display* dpy, Window root) {
    std::vector<NativeMonitor> monitors;
    int event = 0, error = 0;
    if (!XRRQueryExtension(dpy, &event, &error))
        return monitors;
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(dpy, root, True, &count);
    for (int i = 0; info != nullptr && i < count; ++i) {
        RECT bounds{info[i].x, info[i].y, info[i].x + info[i].width, info[i].y + info[i].height};
        monitors.push_back(NativeMonitor{bounds, bounds, info[i].primary != 0});
    }
    if (info != nullptr)
        XRRFreeMonitors(info);
    return monitors;
}

}  // namespace

std::vector<NativeMonitor> X11Backend::Monitors() const {
    Display* dpy = m_connection->Dpy();
    std::vector<NativeMonitor> monitors = RandrMonitors(dpy, m_connection->Root());
    if (monitors.empty()) {
        RECT screen{0, 0, DisplayWidth(dpy, m_connection->Screen()),
                    DisplayHeight(dpy, m_connection->Screen())};
        monitors.push_back(NativeMonitor{screen, screen, true});
    }
    if (!std::any_of(monitors.begin(), monitors.end(), [](auto& m) { return m.primary; }))
        monitors.front().primary = true;
    // Without a window manager there is no work area: each monitor is whole.
    if (!m_connection->HasWindowManager())
        return monitors;
    const Atoms& a = m_connection->A();
    std::vector<long> area =
        m_connection->LongProperty(m_connection->Root(), a.netWorkarea, XA_CARDINAL);
    std::vector<long> desktop =
        m_connection->LongProperty(m_connection->Root(), a.netCurrentDesktop, XA_CARDINAL);
    size_t index = desktop.empty() ? 0 : size_t(std::max(desktop[0], 0L)) * 4;
    if (area.size() < index + 4)
        return monitors;
    auto at = [&](size_t i) { return LONG(area[index + i]); };
    RECT work{at(0), at(1), at(0) + at(2), at(1) + at(3)};
    for (NativeMonitor& monitor : monitors)
        monitor.workArea = Intersect(monitor.bounds, work);
    return monitors;
}

}  // namespace platform::x11
