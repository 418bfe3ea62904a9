// Generates EDIF netlists of a chosen size and shape: leaf cells with a
// bus port, blocks of instances wired to earlier outputs with a few nets of
// high fanout, and a top cell that instantiates the blocks. Deterministic
// for a given seed. Used by the benchmark and by the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kalvor::gen {

struct EdifShape {
  long blocks = 1;            // cells of instances, each used once by the top cell
  long instances = 100;       // instances per block
  int leaf_cells = 6;         // library cells G0.. with inputs A0.. and output Y
  int inputs = 3;             // inputs per leaf cell
  int bus_width = 4;          // width of the leaf cells' bus port D (0: none)
  int fanout_nets = 2;        // nets that take many loads
  int fanout_share = 10;      // one input in this many goes to such a net
  int unconnected_share = 97; // one input in this many is left open (0: none)
  bool odd_names = false;     // quoted names with blanks, names differing in case
  std::uint32_t seed = 1;
};

class EdifGenerator {
 public:
  // Writes the netlist to `out` (or appends it to `text` when out is null).
  void Write(const EdifShape& s, std::FILE* out, std::string* text = nullptr) {
    out_ = out;
    text_ = text;
    rng_ = s.seed ? s.seed : 1;
    Put("(edif gen\n  (edifVersion 2 0 0)\n  (edifLevel 0)\n  (keywordMap (keywordLevel 0))\n");
    Put("  (library LIB (edifLevel 0) (technology (numberDefinition))\n");
    for (int c = 0; c < s.leaf_cells; ++c) {
      Put("    (cell G" + std::to_string(c) + " (cellType GENERIC)\n      (view net (viewType NETLIST)\n        (interface\n");
      for (int i = 0; i < s.inputs; ++i) Put("          (port A" + std::to_string(i) + " (direction INPUT))\n");
      if (s.bus_width > 0) {
        Put("          (port (array (rename d \"D[" + std::to_string(s.bus_width - 1) + ":0]\") " +
            std::to_string(s.bus_width) + ") (direction INPUT))\n");
      }
      Put("          (port Y (direction OUTPUT)))))\n");
    }
    if (s.odd_names) {
      // A second cell whose name differs only in letter case: never wins a lookup.
      Put("    (cell g0 (cellType GENERIC) (view net (viewType NETLIST) (interface (port Q (direction OUTPUT)))))\n");
    }
    Put("  )\n  (library WORK (edifLevel 0) (technology (numberDefinition))\n");
    for (long b = 0; b < s.blocks; ++b) Block(s, b);
    Put("    (cell TOP (cellType GENERIC)\n      (view net (viewType NETLIST)\n        (interface\n");
    Put("          (port (array (rename din \"DIN[7:0]\") 8) (direction INPUT))\n");
    Put("          (port (array dout " + std::to_string(s.blocks) + ") (direction OUTPUT)))\n        (contents\n");
    for (long b = 0; b < s.blocks; ++b) {
      Put("          (instance B" + std::to_string(b) + " (viewRef net (cellRef BLK" + std::to_string(b) +
          " (libraryRef WORK))))\n");
    }
    for (int bit = 0; bit < 8; ++bit) {
      Put("          (net (rename din_" + std::to_string(bit) + "_ \"din[" + std::to_string(bit) +
          "]\") (joined\n            (portRef (member din " + std::to_string(7 - bit) + "))\n");
      for (long b = 0; b < s.blocks; ++b) {
        Put("            (portRef (member din " + std::to_string(7 - bit) + ") (instanceRef B" +
            std::to_string(b) + "))\n");
      }
      Put("          ))\n");
    }
    for (long b = 0; b < s.blocks; ++b) {
      Put("          (net dout_" + std::to_string(b) + " (joined (portRef OUT (instanceRef B" +
          std::to_string(b) + ")) (portRef (member dout " + std::to_string(s.blocks - 1 - b) + "))))\n");
    }
    Put("        )))\n  )\n  (design TOP (cellRef TOP (libraryRef WORK)))\n)\n");
    Flush();
  }

 private:
  std::uint32_t Next() {
    rng_ = rng_ * 1664525u + 1013904223u;
    return rng_ >> 8;
  }
  void Put(const std::string& s) {
    buf_ += s;
    if (buf_.size() > (1u << 20)) Flush();
  }
  void Flush() {
    if (out_) {
      std::fwrite(buf_.data(), 1, buf_.size(), out_);
    } else if (text_) {
      *text_ += buf_;
    }
    buf_.clear();
  }
  std::string InstanceName(const EdifShape& s, long i) {
    if (s.odd_names && i % 17 == 5) return "\"u " + std::to_string(i) + "\"";
    return "u" + std::to_string(i);
  }

  void Block(const EdifShape& s, long b) {
    const long n = s.instances;
    struct Load {
      long instance;
      std::string port;
    };
    // Net k is driven by instance k's output; the block input bits and
    // the fanout nets are the first nets.
    std::vector<std::vector<Load>> loads(static_cast<std::size_t>(n));
    std::vector<int> cells(static_cast<std::size_t>(n));
    std::vector<std::vector<Load>> bus_loads(8);
    for (long i = 0; i < n; ++i) {
      cells[static_cast<std::size_t>(i)] = static_cast<int>(Next() % static_cast<std::uint32_t>(s.leaf_cells));
      for (int a = 0; a < s.inputs + s.bus_width; ++a) {
        std::string port = a < s.inputs ? "A" + std::to_string(a) : "";
        int bit = a - s.inputs;
        std::uint32_t r = Next();
        if (s.unconnected_share > 0 && r % static_cast<std::uint32_t>(s.unconnected_share) == 0) continue;
        Load load{i, port.empty() ? "(member d " + std::to_string(bit) + ")" : port};
        if (i == 0 || (r >> 4) % 8 == 0) {
          bus_loads[(r >> 7) % 8].push_back(load);
        } else if (s.fanout_nets > 0 && (r >> 4) % static_cast<std::uint32_t>(s.fanout_share) == 1) {
          long target = static_cast<long>((r >> 10) % static_cast<std::uint32_t>(s.fanout_nets));
          loads[static_cast<std::size_t>(std::min(target, i - 1))].push_back(load);
        } else {
          long back = 1 + static_cast<long>((r >> 10) % 64);
          loads[static_cast<std::size_t>(i > back ? i - back : 0)].push_back(load);
        }
      }
    }
    Put("    (cell BLK" + std::to_string(b) + " (cellType GENERIC)\n      (view net (viewType NETLIST)\n        (interface\n");
    Put("          (port (array (rename din \"DIN[7:0]\") 8) (direction INPUT))\n");
    Put("          (port OUT (direction OUTPUT)))\n        (contents\n");
    for (long i = 0; i < n; ++i) {
      Put("          (instance " + InstanceName(s, i) + " (viewRef net (cellRef G" +
          std::to_string(cells[static_cast<std::size_t>(i)]) + " (libraryRef LIB))))\n");
    }
    auto ref = [&](const Load& l) {
      return "            (portRef " + l.port + " (instanceRef " + InstanceName(s, l.instance) + "))\n";
    };
    for (int bit = 0; bit < 8; ++bit) {
      Put("          (net (rename din_" + std::to_string(bit) + "_ \"din[" + std::to_string(bit) +
          "]\") (joined\n            (portRef (member din " + std::to_string(7 - bit) + "))\n");
      for (const Load& l : bus_loads[static_cast<std::size_t>(bit)]) Put(ref(l));
      Put("          ))\n");
    }
    for (long i = 0; i < n; ++i) {
      std::string name = "n" + std::to_string(i);
      if (s.odd_names && i % 13 == 4) name = "N" + std::to_string(i - 1);  // differs in case only
      Put("          (net " + name + " (joined\n            (portRef Y (instanceRef " + InstanceName(s, i) + "))\n");
      if (i == n - 1) Put("            (portRef OUT)\n");
      for (const Load& l : loads[static_cast<std::size_t>(i)]) Put(ref(l));
      Put("          ))\n");
    }
    Put("        )))\n");
  }

  std::FILE* out_ = nullptr;
  std::string* text_ = nullptr;
  std::string buf_;
  std::uint32_t rng_ = 1;
};

}  // namespace kalvor::gen
