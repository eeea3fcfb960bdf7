/* The control of the planting test: a program without any hardening that
   asks for each DLL named on its command line by bare name, as the system
   does for the DLLs it pulls in. */
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    for (int i = 1; i < argc; ++i) LoadLibraryW(argv[i]);
    return 0;
}
