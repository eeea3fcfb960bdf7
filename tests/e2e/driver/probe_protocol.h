#pragma once
// Shared by driver.exe and driver_probe.dll. Fonts and icons are handles that
// only mean something inside the program's own process (Wine does not even pass
// WM_GETFONT between processes), so the driver hooks the DLL into the program's
// GUI thread and asks it there.

#include <windows.h>

#define PROBE_MESSAGE L"KORdexDriverProbe"       // registered message: wParam query, lParam driver's process ID
#define PROBE_MAPPING_PREFIX L"KORdexDriverProbe-"  // + driver's process ID: shared memory with a ProbeReply
#define PROBE_HOOK_EXPORT "DriverProbeHook"

enum ProbeQuery { ProbeFont = 1, ProbeIcon = 2, ProbeInput = 3 };

enum ProbeIconKind { IconNone = 0, IconError, IconWarning, IconQuestion, IconInfo, IconOther };

struct ProbeReply {
    LONG answered;  // written last
    LONG hasFont;   // 0: WM_GETFONT gave NULL, the system font is in use
    LOGFONTW font;
    LONG icon;      // ProbeIconKind
    LONG inputPending;  // real input still in the thread's queue (GetQueueStatus)
};
