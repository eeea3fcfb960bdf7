#pragma once
// Asks driver_probe.dll, hooked into the program's GUI thread, about a window.

#include "probe_protocol.h"

#include <string>

// Fills `reply`; returns false with the reason in `error` when the program did
// not answer (worth retrying), and fails outright when the probe is unusable.
bool probeWindow(HWND hwnd, ProbeQuery query, DWORD timeoutMs, ProbeReply& reply, std::wstring& error);
