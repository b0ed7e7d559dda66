// Storage of the line list and the seed host it starts from.
#include "app/lines/PtLine.h"

#ifndef LUMORA_SEED_HOST
#define LUMORA_SEED_HOST "http://127.0.0.1:18400"
#endif

std::list<PtLineEntry> g_lstPtLine;
std::mutex g_csPtLine;

const std::vector<PtLineEntry>& GetSeedPtLines() {
    static std::vector<PtLineEntry> seed;
    static std::once_flag once;
    std::call_once(once, [] { seed.push_back(PtLineEntry{LUMORA_SEED_HOST, -1}); });
    return seed;
}
