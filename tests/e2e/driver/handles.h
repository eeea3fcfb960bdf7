#pragma once
// The driver's handle owners: the installer's own, and the few only the driver needs.

#include "win/Com.h"
#include "win/Gdi.h"

using win::GdiObject;
using win::MemoryDc;
using win::UniqueHandle;
using win::WindowDc;
using Selection = win::SelectedObject;
using Hook = win::Unique<win::NullTraits<HHOOK, &UnhookWindowsHookEx>>;
using MappedView = win::Unique<win::NullTraits<void*, &UnmapViewOfFile>>;
