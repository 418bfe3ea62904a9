// vhdlcheck FILE.mac FILE.vhd [--no-supply] [--standard] [--ignore NAME,NAME]
// Exit 0 when the VHDL keeps every macro, instance, pin and net of the macro
// file (instances of the ignored macros, NC and PORTPADA unless told
// otherwise, left out), 1 with the differences listed, 2 when a file cannot
// be read.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "mac_vhdl_compare.h"
#include "vhdl_netlist.h"

int main(int argc, char** argv) {
  using namespace netcheck;
  std::string mac, vhd;
  MacVhdlOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--no-supply") {
      options.no_supply = true;
    } else if (a == "--standard") {
      options.standard = true;
    } else if (a == "--ignore" && i + 1 < argc) {
      options.ignore.clear();
      std::istringstream list(argv[++i]);
      for (std::string name; std::getline(list, name, ',');) {
        if (!name.empty()) options.ignore.push_back(name);
      }
    } else if (mac.empty()) {
      mac = a;
    } else if (vhd.empty()) {
      vhd = a;
    } else {
      mac.clear();
      break;
    }
  }
  if (mac.empty() || vhd.empty()) {
    std::fprintf(stderr, "usage: vhdlcheck FILE.mac FILE.vhd [--no-supply] [--standard] [--ignore A,B]\n");
    return 2;
  }
  std::ifstream in(mac, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "%s: cannot read\n", mac.c_str());
    return 2;
  }
  std::ostringstream text;
  text << in.rdbuf();
  VhdlDesign design;
  if (!ReadVhdlDesign(vhd, design)) {
    std::fprintf(stderr, "%s: cannot read\n", vhd.c_str());
    return 2;
  }
  std::vector<MacMacro> macros = ParseMacMacros(text.str());
  if (!options.standard) {
    for (MacMacro& m : macros) {
      m.buses.clear();
      m.bus_bits.clear();
      m.original.clear();
    }
  }
  MacVhdlResult r = CompareMacVhdl(macros, design, options);
  for (const std::string& n : r.notes) std::printf("note: %s\n", n.c_str());
  std::size_t shown = 0;
  for (const std::string& d : r.differences) {
    if (shown++ < 40) std::printf("%s\n", d.c_str());
  }
  const MacVhdlFigures& f = r.figures;
  std::printf("%s: %ld macros; instances %ld in .mac (%ld of ignored macros), %ld in VHDL; "
              "nets %ld in .mac, %ld in VHDL; %ld pins compared; %ld leaf cells as components; "
              "%zu differences\n",
              r.differences.empty() ? "same netlist" : "DIFFERENT", f.macros, f.mac_instances,
              f.ignored_instances, f.vhdl_instances, f.mac_nets, f.vhdl_nets, f.pins, f.leaf_cells,
              r.differences.size());
  return r.differences.empty() ? 0 : 1;
}
