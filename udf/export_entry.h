#pragma once

// Entry points are declared under C++-side names and bound to their SQL names with assembler
// labels. That way the "strlen" entry never clashes with the C library declaration, and a build
// that links the entry points into a program (the fuzzer) can give them a prefix instead of
// shadowing libc.

#define VEXO_UDF_EXPORT extern "C" __attribute__((visibility("default")))

#ifndef VEXO_UDF_SYMBOL_PREFIX
#define VEXO_UDF_SYMBOL_PREFIX ""
#endif

#define VEXO_UDF_ENTRY(name) __asm__(VEXO_UDF_SYMBOL_PREFIX #name)
