// Lets the thread's windows paint while a long piece of work holds the
// thread and calls it often (between the pieces of a write), so that they
// show how far the work got and, on Windows, are not marked "Not Responding"
// (after 5 s without reading messages). It reads messages only once the
// interval has passed since it last did: work that is soon over pays next to
// nothing. Messages that other threads and programs send are answered then,
// as in any reading of messages; no input and no posted message is taken,
// so nothing that the user does starts meanwhile.
#pragma once

#include <windows.h>

namespace gui {

class PaintPump {
public:
    explicit PaintPump(DWORD intervalMs) : intervalMs_(intervalMs), last_(GetTickCount()) {}
    void operator()();

private:
    DWORD intervalMs_;
    DWORD last_;
};

}  // namespace gui
