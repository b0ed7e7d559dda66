// Controller of the line page: the waiting tip, the three fastest lines and the refresh button.
#pragma once

#include <vector>

#include "app/lines/PtLineTestResult.h"
#include "ui/window/NotifyRecord.h"

namespace Orvik {
class CContainerUI;
class CControlUI;
class CLabelUI;
class CWindowHostUI;
}  // namespace Orvik

class IPageOwner;

class CPage1 {
public:
    static const char* const WAITING_TEXT;
    static const char* const NO_LINE_TEXT;
    static const char* const NO_CONNECTION_TEXT;
    static constexpr int MAX_ROWS = 3;

    CPage1(IPageOwner* pOwner, Orvik::CWindowHostUI* pHost);
    virtual ~CPage1() = default;
    CPage1(const CPage1&) = delete;
    CPage1& operator=(const CPage1&) = delete;

    // Builds the page from "Page1.xml"; null when the document cannot be built.
    Orvik::CControlUI* Create();
    Orvik::CControlUI* GetRoot() const { return m_pRoot; }
    // The named controls found after the skin build; any may be null, and one
    // of the wrong kind counts as missing.
    void SetControls(Orvik::CControlUI* pLayoutPtLine, Orvik::CControlUI* pLayoutTip,
                     Orvik::CControlUI* pBtnRefresh, Orvik::CControlUI* pTxtTip);

    // The tip in its normal colour, the list hidden.
    void ShowWaiting();
    // The run ended without lines: the text in the error colour, the refresh button.
    void ShowFailure(const char* pstrText);
    // After each merged speed-test result; pResult only tells whether there was one.
    int OnSpeedTestResult(const PtLineTestResult* pResult);
    void OnNotify(Orvik::NotifyRecord& msg);

private:
    void RebuildRows();
    bool RowsUnchanged() const;
    Orvik::CControlUI* BuildRow(const PtLineTestResult& result, int& nRow);
    void SetTipColour(const char* pstrAttribute);
    static void SetVisible(Orvik::CControlUI* pControl, bool bVisible);

    Orvik::CControlUI* m_pRoot = nullptr;
    Orvik::CContainerUI* m_pLayoutPtLine = nullptr;
    Orvik::CControlUI* m_pLayoutTip = nullptr;
    Orvik::CControlUI* m_pBtnRefresh = nullptr;
    Orvik::CLabelUI* m_pTxtTip = nullptr;
    Orvik::CWindowHostUI* m_pHost = nullptr;
    IPageOwner* m_pOwner = nullptr;
    // The results the rows were last built from, and whether they filled
    // every row (a row without a number does not count).
    std::vector<PtLineTestResult> m_lstShown;
    bool m_bRowsFull = false;
};
