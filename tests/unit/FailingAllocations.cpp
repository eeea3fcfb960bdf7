#include "FailingAllocations.h"

#include <cstdlib>
#include <new>

namespace {

bool failing = false;

}  // namespace

FailingAllocations::FailingAllocations() { failing = true; }

FailingAllocations::~FailingAllocations() { failing = false; }

// The program's own allocation functions: the library's and ours all come here.
void* operator new(std::size_t size) {
    if (!failing) {
        if (void* memory = std::malloc(size ? size : 1)) return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
