#include <unistd.h>

#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  return cli::runCommandLine(argc, argv, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}
