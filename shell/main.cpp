// The process entry: the main routine's result is the exit status.
#include "shell/Startup.h"

#include <cstdlib>

int main() { std::exit(ProgramMain()); }
