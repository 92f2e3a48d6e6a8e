#pragma once

#include <cstdint>

// Number of calls to the global operator new so far in this process. The
// operator is replaced in allocationcount.cpp, a unit of its own so the
// compiler never sees a call to it next to the free() that releases it.
std::uint64_t AllocationCount() noexcept;
