// Reading the line service's answers: the line query and the speed probe.
#pragma once

#include <list>
#include <string>

#include "app/lines/PtLineTestResult.h"

// Reads "code" and "result" of a line query answer by splitting at ":" and
// cutting each value before its last ","; neither is trimmed or unquoted.
void ParsePtLineAnswer(const std::string& strBody, std::string& strCode, std::string& strResult);
// The result text without its brackets and quotes, as traced on failure.
std::string StripPtLineResult(const std::string& strResult);
// Decodes every Base64, XOR-scrambled entry of a stripped result and joins
// the hosts with ","; entries that do not decode are skipped. Empty when none did.
std::string DecodePtLineResult(const std::string& strStripped);
// Appends each host of the comma-joined list that g_lstPtLine lacks, in one
// locked step.
void MergePtLines(const std::string& strLines);
// A probe answer holds both markers, anywhere.
bool IsProbeAnswer(const std::string& strBody);
// Fastest first, equal times in arrival order, then every status-200 result
// ahead of the others.
void SortTestResults(std::list<PtLineTestResult>& lstResults);
// Rebuilds g_lstPtLine from the results, in their order.
void RebuildPtLines(const std::list<PtLineTestResult>& lstResults);
