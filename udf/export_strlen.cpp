// The "strlen" entry point. This file includes no standard header, so nothing here declares the C
// library's strlen, and it is built without builtins and loop-idiom recognition so the counting
// loop is not turned back into a call to strlen (which could resolve to this very function).
//
// Calls to strlen elsewhere in the library stay preemptible and go through the global lookup,
// where the C library comes first.

#include "exports.h"

int vexo_udf_strlen(const char* text) {
    if (text == nullptr) return 0;
    int length = 0;
    while (text[length] != '\0' && length < 0x7FFFFFFF) ++length;
    return length;
}
