// Which shared-memory surfaces a connection has lent out, found by their pixels or segment.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <map>
#include <mutex>

namespace platform::x11 {

class Connection;
class SharedPixels;

// Shared by the backend and every surface it lent, so a surface that outlives the backend
// (a window not yet destroyed when the connection closes) only frees its own memory.
class SegmentBook {
public:
    explicit SegmentBook(Connection* connection) : m_connection(connection) {}

    std::mutex& Lock() { return m_lock; }
    // Null once the backend has gone; the lock is held by the caller.
    Connection* LiveConnection() const { return m_connection; }
    void Disconnect();

    // These three with the lock held by the caller.
    void Add(SharedPixels* pixels, const void* address, ShmSeg segment);
    void Remove(const void* address, ShmSeg segment);
    SharedPixels* ByAddress(const void* address) const;
    void MarkCompleted(ShmSeg segment);
    // The first attach is checked with a round trip; later ones are trusted.
    bool AttachVerified() const { return m_verified; }
    void NoteAttachVerified() { m_verified = true; }

private:
    std::mutex m_lock;
    Connection* m_connection;
    std::map<const void*, SharedPixels*> m_byAddress;
    std::map<ShmSeg, SharedPixels*> m_bySegment;
    bool m_verified = false;
};

}  // namespace platform::x11
