// large_file_check PATH: CheckLargeFile on PATH; exit 1 with the reason on
// failure.
#include <cstdio>

#include "tools/large_file/large_file_check.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: large_file_check PATH\n");
    return 2;
  }
  std::string wrong = kalvor::CheckLargeFile(argv[1]);
  if (!wrong.empty()) {
    std::fprintf(stderr, "FAIL: %s\n", wrong.c_str());
    return 1;
  }
  std::printf("a 2.5 GB file read and written past 2 GiB\n");
  return 0;
}
