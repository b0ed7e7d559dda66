// Reading the line service's answers: the line query and the speed probe.
#pragma once

#include <string>

// The most hosts one answer may add to g_lstPtLine; the rest are dropped, so
// that a hostile or broken answer cannot make every later run endless.
constexpr int PTLINE_MAX_NEW_HOSTS = 1000;

// Reads "code" and "result" of a line query answer by splitting at ":" and
// cutting each value before its last ","; neither is trimmed or unquoted.
void ParsePtLineAnswer(const std::string& strBody, std::string& strCode, std::string& strResult);
// The result text without its brackets and quotes, as traced on failure.
std::string StripPtLineResult(const std::string& strResult);
// Decodes every Base64, XOR-scrambled entry of a stripped result and joins
// the hosts with ","; entries that do not decode are skipped. Empty when none did.
std::string DecodePtLineResult(const std::string& strStripped);
// Appends each host of the comma-joined list that g_lstPtLine lacks, in one
// locked step, at most PTLINE_MAX_NEW_HOSTS of them. Returns how many new
// hosts were dropped over that bound.
int MergePtLines(const std::string& strLines);
// A probe answer holds both markers, anywhere.
bool IsProbeAnswer(const std::string& strBody);
