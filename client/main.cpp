#include "startup/program_entry.h"

int main(int argc, char** argv) { return vexo::startup::runProgram(argc, argv); }
