// Ориндо: everything from start-up to shut-down is the shell's.
#include "shell/startup.h"

int main(int argc, char** argv) { return shell::RunProgram(argc, argv); }
