// The durable replacement of a file: written into a temporary file beside
// it, each piece flushed, then moved over it in one step, so that a failure
// or a kill leaves the earlier file whole and no fragment behind; tried
// again while another program holds the file for a moment.
#pragma once

#include "app/PieceSize.h"

#include <windows.h>

#include <functional>
#include <string>

// Raises "Cannot create file "<target>". <reason>" when target exists and
// cannot be replaced: read-only, a folder, no right to write, or held by
// another program for longer than a virus scanner reads a file. Leaves the
// target's contents alone; meanwhile runs between the tries.
void CheckReplaceable(const std::wstring& target, const std::function<void()>& meanwhile);

// Replaces folder\fileName with the bytes, in one step: they go into a
// temporary file beside it (TemporaryName), each piece flushed as it is
// written (sized by pieces), and the temporary file is then moved over the
// target, tried again while another program reads either for a moment. On
// any failure the target stays exactly as it was and the temporary file is
// removed (one that a scanner still holds, by the next run). Raises "Cannot
// create file "<target>". <reason>" or, a full disk, "Cannot write file
// "<target>". <reason>". Meanwhile runs between the pieces and the tries.
void ReplaceDurably(const std::wstring& folder, const std::wstring& fileName, const void* bytes, DWORD size,
                    PieceSize& pieces, const std::function<void()>& meanwhile);
