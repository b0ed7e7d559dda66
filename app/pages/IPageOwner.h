// What the pages ask of the window that holds them: the speed test's state and new work.
#pragma once

#include "app/lines/PtLineRanking.h"

class IPageOwner {
public:
    virtual ~IPageOwner() = default;

    // The usable results so far, in display order.
    virtual const PtLineResults& GetTestResults() const = 0;
    virtual int GetSpeedTestFinishCount() const = 0;
    virtual int GetSpeedTestTotal() const = 0;
    // The line page waits and the line fetch is queued.
    virtual void RefreshPtLine() = 0;
    // Queues the download of both QR images.
    virtual void GetMobileQRCode() = 0;
};
