#pragma once

// The fifteen entry points as the server calls them: every argument by reference, text as
// zero-terminated Windows-1251, text results in buffers from ib_util_malloc that the server frees.
// Includes no standard header on purpose (see export_strlen.cpp).

#include "export_entry.h"

VEXO_UDF_EXPORT int vexo_udf_strlen(const char* text) VEXO_UDF_ENTRY(strlen);
VEXO_UDF_EXPORT char* vexo_udf_substr(const char* text, const int* first, const int* last) VEXO_UDF_ENTRY(substr);
VEXO_UDF_EXPORT char* vexo_udf_codlpu(const char* text, const int* n) VEXO_UDF_ENTRY(codlpu);
VEXO_UDF_EXPORT char* vexo_udf_razd(const char* condition, const int* mode) VEXO_UDF_ENTRY(razd);
VEXO_UDF_EXPORT char* vexo_udf_reform(const char* formula) VEXO_UDF_ENTRY(reform);
VEXO_UDF_EXPORT char* vexo_udf_mm(const char* code) VEXO_UDF_ENTRY(mm);
VEXO_UDF_EXPORT char* vexo_udf_vn(const char* code) VEXO_UDF_ENTRY(vn);
VEXO_UDF_EXPORT char* vexo_udf_calc_expression(const char* expression, const char* names, const char* values)
    VEXO_UDF_ENTRY(calc_expression);
VEXO_UDF_EXPORT double vexo_udf_calc_expression2(const char* expression) VEXO_UDF_ENTRY(calc_expression2);
VEXO_UDF_EXPORT char* vexo_udf_vars(const char* text) VEXO_UDF_ENTRY(vars);
VEXO_UDF_EXPORT int vexo_udf_numvars(const char* list) VEXO_UDF_ENTRY(numvars);
VEXO_UDF_EXPORT char* vexo_udf_getvar(const char* list, const int* n) VEXO_UDF_ENTRY(getvar);
VEXO_UDF_EXPORT char* vexo_udf_coord(const char* variable, const char* component, const int* p, const int* q)
    VEXO_UDF_ENTRY(coord);
VEXO_UDF_EXPORT int vexo_udf_numcycle(const char* variable) VEXO_UDF_ENTRY(numcycle);
VEXO_UDF_EXPORT int vexo_udf_numvarcycle(const char* variable) VEXO_UDF_ENTRY(numvarcycle);
