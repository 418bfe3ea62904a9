// Reading a large file line by line with ReadLine: one buffered pass.
// Compares against `wc -l` on the same file.
//
//   text_lineio_bench [MEGABYTES] [DIR]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "text/file.h"
#include "text/lineio.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void MakeFile(const std::string& path, long megabytes) {
  std::ofstream out(path, std::ios::binary);
  std::string line;
  long long bytes = 0;
  const long long target = megabytes * 1000LL * 1000LL;
  for (long i = 0; bytes < target; ++i) {
    line = "<X" + std::to_string(i) + " NAND2 N" + std::to_string(i * 7 % 100003) +
           "\tN" + std::to_string(i * 13 % 99991) + " OUT" + std::to_string(i);
    if (i % 50 == 0) line += std::string(static_cast<std::size_t>(i % 300), 'w');
    line += (i % 3 == 0) ? "\n" : "\r\n";
    out << line;
    bytes += static_cast<long long>(line.size());
  }
}

}  // namespace

int main(int argc, char** argv) {
  long megabytes = argc > 1 ? std::atol(argv[1]) : 100;
  std::string dir = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
  std::string path = dir + "/kalvor_lineio_bench.txt";
  MakeFile(path, megabytes);

  // Warm the page cache once.
  std::string cmd = "wc -l < '" + path + "' > /dev/null";
  if (std::system(cmd.c_str()) != 0) return 1;

  auto t0 = std::chrono::steady_clock::now();
  if (std::system(cmd.c_str()) != 0) return 1;
  double wc = Seconds(t0);

  t0 = std::chrono::steady_clock::now();
  kalvor::File f;
  if (!f.Open(path, kalvor::File::Mode::kRead)) return 1;
  std::string line;
  long long lines = 0;
  while (kalvor::ReadLine(f, line, 255)) ++lines;
  double readline = Seconds(t0);

  t0 = std::chrono::steady_clock::now();
  kalvor::File g;
  g.Open(path, kalvor::File::Mode::kRead);
  long long whole = 0;
  while (kalvor::ReadWholeLine(g, line)) ++whole;
  double readwhole = Seconds(t0);

  std::printf("file %ld MB, %lld lines (ReadLine 255), %lld whole lines\n", megabytes, lines, whole);
  std::printf("wc -l          %.3f s\n", wc);
  std::printf("ReadLine       %.3f s  (%.2fx wc -l)\n", readline, readline / wc);
  std::printf("ReadWholeLine  %.3f s  (%.2fx wc -l)\n", readwhole, readwhole / wc);
  std::filesystem::remove(path);
  return 0;
}
