// What the main window asks of the line page during the line work.
#pragma once

class ILinePage {
public:
    virtual ~ILinePage() = default;
    // The waiting tip is shown and the line list hidden.
    virtual void ShowWaiting() = 0;
    // A speed-test result was counted; the page redraws its rows.
    virtual int OnSpeedTestResult() = 0;
};
