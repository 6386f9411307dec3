// The server's allocator, for the fuzzer build that links the entry points into a program.
#include <ib_util.h>

#include <cstdlib>

extern "C" void* ib_util_malloc(long size) { return std::malloc(static_cast<std::size_t>(size)); }
