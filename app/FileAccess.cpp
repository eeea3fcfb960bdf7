#include "app/FileAccess.h"

#include "win/Handles.h"

namespace {

constexpr SECURITY_INFORMATION kOwnerGroupDacl =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
// Slack beyond the size the system asks for.
constexpr DWORD kExtraBytes = 4096;
// The privilege set's length as handed to the access check.
constexpr DWORD kPrivilegeSetLength = 20;

}  // namespace

bool HasFileAccess(DWORD desiredAccess, const std::wstring& path) {
    // The size query is expected to fail; it must not disturb the caller's last error.
    const DWORD lastError = GetLastError();
    DWORD needed = 0;
    if (GetFileSecurityW(path.c_str(), kOwnerGroupDacl, nullptr, 0, &needed) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return false;
    }
    SetLastError(lastError);

    const DWORD length = needed + kExtraBytes;
    win::LocalMemory buffer(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, length));
    if (!buffer) return false;
    const auto descriptor = static_cast<PSECURITY_DESCRIPTOR>(buffer.get());
    if (!GetFileSecurityW(path.c_str(), kOwnerGroupDacl, descriptor, length, &needed)) return false;

    // Our own token, for the access check; reverted on every path.
    win::SelfImpersonation impersonation;
    if (!impersonation.active()) return false;
    win::UniqueHandle token;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_IMPERSONATE | TOKEN_QUERY, FALSE,
                         token.receive())) {
        return false;
    }

    GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    DWORD access = desiredAccess;
    MapGenericMask(&access, &mapping);

    alignas(PRIVILEGE_SET) unsigned char privileges[kPrivilegeSetLength] = {};
    DWORD privilegesLength = kPrivilegeSetLength;
    DWORD granted = 0;
    BOOL status = FALSE;
    if (!AccessCheck(descriptor, token.get(), access, &mapping, reinterpret_cast<PRIVILEGE_SET*>(privileges),
                     &privilegesLength, &granted, &status)) {
        return false;
    }
    return status != FALSE;
}
