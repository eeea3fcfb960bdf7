// Memory that runs out on purpose: while a FailingAllocations lives, every
// operator new in the unit tests throws std::bad_alloc. The unit tests'
// program replaces the global operator new for this (FailingAllocations.cpp).
#pragma once

class FailingAllocations {
public:
    FailingAllocations();
    ~FailingAllocations();
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};
