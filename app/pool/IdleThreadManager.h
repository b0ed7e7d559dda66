// The worker pool that runs network jobs off the UI thread.
#pragma once

// Placeholder until the pool lands: creating and destroying it is all that
// start-up and shutdown need from it.
class CIdleThreadManager {
public:
    CIdleThreadManager() = default;
    ~CIdleThreadManager() = default;
    CIdleThreadManager(const CIdleThreadManager&) = delete;
    CIdleThreadManager& operator=(const CIdleThreadManager&) = delete;
};
