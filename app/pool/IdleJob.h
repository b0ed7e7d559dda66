// The worker pool's job record, the base of the objects jobs run on, and their lifetime.
#pragma once

#include <string>

#include "platform/win32_types.h"

// Base of every object that owns jobs; the pool never calls into it except
// through a job's proc.
class IIdleTreadClient {
public:
    virtual ~IIdleTreadClient() = default;
    virtual int IdleClientReserved() { return 0; }
};

// The work: called as (client->*proc)(arg, &lparam); the result becomes the
// posted message's wParam and the final lparam its lParam.
typedef int (IIdleTreadClient::*IdleProc)(INT_PTR arg, LPARAM* lparam);

struct IdleJob {
    unsigned id = 0;  // assigned by the pool
    UINT msg = 0;     // posted to window when the job has run
    std::string name;
    IdleProc proc = nullptr;
    IIdleTreadClient* client = nullptr;
    INT_PTR arg = 0;  // belongs to proc once the job runs
    LPARAM lparam = 0;
    HWND window = nullptr;  // null: nothing is posted
    // Frees arg when the job is dropped without running.
    void (*pfnFreeArg)(INT_PTR) = nullptr;
    // Frees the final lparam when its message can never be dispatched.
    void (*pfnFreeResult)(LPARAM) = nullptr;
};

// Queues the job on the process-wide pool: worker nIndex when it names one,
// otherwise the next worker in rotation. Returns the job id, or 0 when there
// is no pool (the job is then dropped and its argument freed).
unsigned PostIdleJob(int nIndex, IdleJob job);

// Deletes an object that jobs run on: at once when there is no pool, else
// once the pool has stopped, since queued and running jobs still name it.
void DeleteAfterWorkers(IIdleTreadClient* pClient);
// Deletes what DeleteAfterWorkers kept; called once the pool is gone.
void DeleteRetiredClients();
