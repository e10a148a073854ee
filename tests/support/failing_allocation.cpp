#include "support/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

long countdown = 0; // allocations left before the failing one; 0 when not armed
bool reached = false;

} // namespace

void* operator new(std::size_t size) {
    if (countdown > 0 && --countdown == 0) {
        reached = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace tundeck::testing {

void FailNthAllocation(long count) {
    countdown = count;
    reached = false;
}

bool StopFailingAllocations() {
    countdown = 0;
    return reached;
}

} // namespace tundeck::testing
