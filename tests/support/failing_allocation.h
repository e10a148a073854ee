#pragma once
// An allocation that fails on purpose: the test program's operator new throws std::bad_alloc at
// the armed count, once.

namespace tundeck::testing {

// The `count`-th allocation from now on fails.
void FailNthAllocation(long count);
// Disarms; whether the armed allocation was reached.
bool StopFailingAllocations();

} // namespace tundeck::testing
