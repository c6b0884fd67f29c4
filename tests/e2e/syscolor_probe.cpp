// Prints the system colours whose indexes it is given, one decimal value a line. Run as a fresh
// process: under Wine a process keeps a colour it has read once, so the harness cannot read later
// changes itself.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) std::printf("%lu\n", GetSysColor(std::atoi(argv[i])));
  return 0;
}
