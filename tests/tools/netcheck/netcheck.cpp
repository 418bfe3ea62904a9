// netcheck NETLIST.edf FILE.mac [--base BASE.mac] [--vcc-to-vdd]
// (a NETLIST ending in .v, .vg, .vm, .vo or .vqm is read as structural Verilog)
// Exit 0 when the macro file connects every cell's instance pins and own
// ports as the netlist does, 1 with the differences listed, 2 when a file
// cannot be read or holds forms the checker does not read.
#include <cstdio>
#include <string>

#include "compare.h"
#include "edif_netlist.h"
#include "mac_netlist.h"
#include "verilog_netlist.h"

int main(int argc, char** argv) {
  using namespace netcheck;
  std::string edif, mac, base;
  bool vcc_to_vdd = false;  // the import's supply question was answered yes
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--vcc-to-vdd") {
      vcc_to_vdd = true;
    } else if (a == "--base" && i + 1 < argc) {
      base = argv[++i];
    } else if (edif.empty()) {
      edif = a;
    } else if (mac.empty()) {
      mac = a;
    } else {
      edif.clear();
      break;
    }
  }
  if (edif.empty() || mac.empty()) {
    std::fprintf(stderr, "usage: netcheck NETLIST.edf FILE.mac [--base BASE.mac] [--vcc-to-vdd]\n");
    return 2;
  }
  Netlist nl, mn;
  BaseMacros base_macros;
  std::string ext = Lower(edif.substr(edif.rfind('.') == std::string::npos ? edif.size() : edif.rfind('.')));
  bool verilog = ext == ".v" || ext == ".vg" || ext == ".vm" || ext == ".vo" || ext == ".vqm";
  if (!(verilog ? ReadVerilogNetlist(edif, nl) : ReadEdifNetlist(edif, nl))) {
    std::fprintf(stderr, "%s: cannot read\n", edif.c_str());
    for (const std::string& p : nl.problems) std::fprintf(stderr, "  %s\n", p.c_str());
    return 2;
  }
  if (vcc_to_vdd) RenameVccToVdd(nl);
  if (!ReadMacNetlist(mac, mn)) {
    std::fprintf(stderr, "%s: cannot read\n", mac.c_str());
    return 2;
  }
  if (!base.empty() && !ReadBaseMacros(base, base_macros)) {
    std::fprintf(stderr, "%s: cannot read\n", base.c_str());
    return 2;
  }
  int status = 0;
  for (const std::string& n : nl.notes) std::printf("%s: note: %s\n", edif.c_str(), n.c_str());
  for (const std::string& p : nl.problems) {
    std::printf("%s: %s\n", edif.c_str(), p.c_str());
    status = 2;
  }
  for (const std::string& p : mn.problems) {
    std::printf("%s: %s\n", mac.c_str(), p.c_str());
    status = 2;
  }
  CompareOptions opt;
  if (!base.empty()) opt.base = &base_macros;
  CompareResult r = CompareConnectivity(nl, mn, opt);
  for (const std::string& d : r.differences) std::printf("%s\n", d.c_str());
  if (!r.differences.empty()) status = status ? status : 1;
  std::printf("%s: %ld cells, %ld pins compared, %zu differences", 
              status == 0 ? "same connectivity" : "DIFFERENT", r.cells, r.pins,
              r.differences.size());
  if (r.wired_ports) {
    std::printf(", %ld nets on wired-together ports or tied to a constant", r.wired_ports);
  }
  std::printf("\n");
  return status;
}
