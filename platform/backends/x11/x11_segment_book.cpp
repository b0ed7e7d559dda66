// Which shared-memory surfaces a connection has lent out.
#include "platform/backends/x11/x11_segment_book.h"

#include "platform/backends/x11/x11_shared_pixels.h"

namespace platform::x11 {

void SegmentBook::Disconnect() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_connection = nullptr;
    for (auto& [segment, pixels] : m_bySegment)
        pixels->Completed();  // nobody will read them any more
}

void SegmentBook::Add(SharedPixels* pixels, const void* address, ShmSeg segment) {
    m_byAddress[address] = pixels;
    m_bySegment[segment] = pixels;
}

void SegmentBook::Remove(const void* address, ShmSeg segment) {
    m_byAddress.erase(address);
    m_bySegment.erase(segment);
}

SharedPixels* SegmentBook::ByAddress(const void* address) const {
    auto it = m_byAddress.find(address);
    return it == m_byAddress.end() ? nullptr : it->second;
}

void SegmentBook::MarkCompleted(ShmSeg segment) {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_bySegment.find(segment);
    if (it != m_bySegment.end())
        it->second->Completed();
}

}  // namespace platform::x11
