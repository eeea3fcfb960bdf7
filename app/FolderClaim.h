// A run's claim on its destination folder, and the clearing of what runs
// that ended there left.
#pragma once

#include "win/Handles.h"

#include <string>

// A run's claim on its destination folder: the file "~KS", "R", one
// hexadecimal digit and ".tmp" there, made new and shared with nobody, held
// from before the run's first temporary file until the run ends, and removed
// by the system as soon as it is let go of, also when the process is killed.
// Another run that finds it held knows that this run's temporary files may
// be between their close and their move.
class FolderClaim {
public:
    FolderClaim() = default;
    explicit FolderClaim(const std::wstring& destination);
    FolderClaim(FolderClaim&&) noexcept = default;
    FolderClaim& operator=(FolderClaim&&) noexcept = default;

    // Whether it is held: not when the folder may not be written, say.
    explicit operator bool() const { return static_cast<bool>(file_); }
    const std::wstring& name() const { return name_; }

private:
    std::wstring name_;
    win::UniqueHandle file_;
};

// Claims destination for this run, and removes the temporary files that runs
// which ended there left (killed in the middle of a write, or stopped while a
// virus scanner held the file), with a claim that a crash left behind. While
// another run holds its claim there, nothing is removed: its temporary file
// may be closed and about to be moved. Keep the claim until the run ends.
[[nodiscard]] FolderClaim ClearUnfinishedWrites(const std::wstring& destination);
