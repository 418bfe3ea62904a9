// Windows stand-in for the netlist translator, for the GUI tests (never
// installed). Accepts the command lines Kalvor builds for a netlist:
//   -m D\T.mac D\T.wir T.net         .net netlist
//   -m D\T.mac D\T.wir -f TPR T      T.tpr place-and-route netlist
// and writes the same small netlists as the POSIX stand-in beside it: the
// root prefix "TOP<", numbered top ports "TOP_P<n>", a "PADS<" level and a
// " *NC* " no-connection macro with a continuation line. The netlist is
// written under a scratch name and renamed at the end, so that whoever
// waits for it never sees half of it.

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return true;
}

// The first word of the first non-empty line after "<<<".
std::string TopModule(const std::vector<std::string>& wir) {
  bool section = false;
  for (const std::string& line : wir) {
    if (section && !line.empty()) {
      std::vector<std::string> w = Words(line);
      return w.empty() ? "" : w[0];
    }
    if (line.rfind("<<<", 0) == 0) section = true;
  }
  return "";
}

// The ports of the top module's header and its "+" lines, vdd and gnd left out.
std::vector<std::string> TopPorts(const std::vector<std::string>& mac, const std::string& top) {
  std::vector<std::string> ports;
  bool collecting = false;
  auto take = [&ports](const std::vector<std::string>& words, std::size_t from) {
    for (std::size_t i = from; i < words.size(); ++i) {
      std::string u = Upper(words[i]);
      if (u != "VDD" && u != "GND") ports.push_back(words[i]);
    }
  };
  for (const std::string& line : mac) {
    if (collecting && !line.empty() && line[0] == '+') {
      take(Words(line.substr(1)), 0);
      continue;
    }
    collecting = false;
    std::vector<std::string> w = Words(line);
    if (w.size() >= 2 && Upper(w[0]) == ".MACRO" && Upper(w[1]) == Upper(top)) {
      collecting = true;
      take(w, 2);
    }
  }
  return ports;
}

int Usage() {
  std::fprintf(stderr, "nettran: usage: -m MAC WIR OUT | -m MAC WIR -f TPR ROOT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool tpr = false;
  std::string out;
  if (args.size() == 4 && args[0] == "-m") {
    out = args[3];
  } else if (args.size() == 6 && args[0] == "-m" && args[3] == "-f" && args[4] == "TPR") {
    tpr = true;
    out = args[5] + ".tpr";
  } else {
    return Usage();
  }
  std::vector<std::string> mac;
  std::vector<std::string> wir;
  if (!ReadLines(args[1], mac) || !ReadLines(args[2], wir)) {
    std::fprintf(stderr, "nettran: cannot open %s or %s\n", args[1].c_str(), args[2].c_str());
    return 1;
  }
  std::string top = TopModule(wir);
  if (top.empty()) {
    std::fprintf(stderr, "nettran: no top module in wire list\n");
    return 1;
  }
  std::vector<std::string> ports = TopPorts(mac, top);
  const std::string t = Upper(top);
  const std::size_t n = ports.size();
  std::string text;
  auto line = [&text](const std::string& s) { text += s + "\r\n"; };
  if (tpr) {
    line("$ TPR netlist of " + t + " (nettran stand-in)");
    for (std::size_t i = 1; i <= n; ++i) {
      std::string k = std::to_string(i);
      line("NET " + t + "_P" + k + " " + t + "<U" + k + "<A " + t + "<PADS<PAD" + k);
    }
    line("CELL " + t + "<U1 INV");
    line("X " + t + "<NC1 *NC* ");
    line("NCMACRO " + t + "<NC1 A");
    line("+ B");
    line("CELL " + t + "<U2 NAND2 " + t + "_P1 " + t + "_P" + std::to_string(n + 1));
    line("END");
  } else {
    line("$ .NET netlist of " + t + " (nettran stand-in)");
    for (std::size_t i = 1; i <= n; ++i) {
      std::string k = std::to_string(i);
      line("W " + t + "_P" + k + " " + t + "<U" + k + "<A");
    }
    line("X " + t + "<NC1 *NC* ");
    line("NCMACRO " + t + "<NC1");
    line("G " + t + "<U1 INV " + t + "_P1");
  }
  std::string scratch = out + ".part";
  {
    std::ofstream file(scratch, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) {
      std::fprintf(stderr, "nettran: cannot write %s\n", scratch.c_str());
      return 1;
    }
  }
  if (!MoveFileExA(scratch.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    std::fprintf(stderr, "nettran: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("nettran stand-in: %s %s %s -> %s\n", tpr ? "tpr" : "net", args[1].c_str(),
              args[2].c_str(), out.c_str());
  return 0;
}
