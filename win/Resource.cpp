#include "win/Resource.h"

namespace win {

ResourceBytes RawDataResource(HMODULE module, int id) {
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return {data, data ? SizeofResource(module, found) : 0};
}

}  // namespace win
