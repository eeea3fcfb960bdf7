// An installer is started from a downloads folder, where a planted DLL may
// wait for a bare-name load. This must run before the first window or COM call.
#pragma once

void HardenDllLoading();
