// The tooltip of a line row: where the probe's time went, or why the line is unavailable.
#pragma once

#include <string>

#include "app/lines/PtLineTestResult.h"

// "解析 2 ms · 连接 11 ms · 加密 35 ms · 首字节 80 ms" (code page 936); phases the
// probe never reached are left out, and so is the TLS phase of a plain HTTP line.
std::string GetPhaseTimesText(const HttpPhaseTimes& phases);
// Why a probe status makes a line unavailable: the HTTP status, or the transfer
// error in words; empty for status 200.
std::string GetUnavailableReasonText(int status);
// The whole tooltip of a row: the reason first when the line is unavailable.
std::string GetLineToolTipText(const PtLineTestResult& result);
