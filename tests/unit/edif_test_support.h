// Running the EDIF import on text in a test directory.
#pragma once

#include <string>
#include <vector>

#include "import/edif_import.h"
#include "support/scripted_platform.h"

namespace kalvor::testing {

// Writes `edif` as design.edf (and `base` as base.mac when not empty) in
// the test's directory and runs the import: no base file unless `base` is
// given, the include dialog confirmed with its fields emptied (so the
// macro file holds only the netlist), then the further `answers`.
inline Outcome ImportEdifText(TestApp& t, const std::string& edif, const std::string& base = "",
                              const std::vector<std::string>& answers = {},
                              const std::string& name = "design") {
  WriteFileBytes(name + ".edf", edif);
  t.UseDesign(name);
  t.app.state.selected_ext = ".edf";
  if (base.empty()) {
    t.ui.answers.push_back("no");
  } else {
    WriteFileBytes("base.mac", base);
    t.ui.answers.push_back("yes");
    t.ui.answers.push_back(t.dir / "base.mac");
  }
  t.ui.dialog_scripts.push_back([](TableView& v) {
    for (int id = 101; id <= 104; ++id) v.SetText(id, "");
    return 1;
  });
  for (const std::string& a : answers) t.ui.answers.push_back(a);
  return RunEdifImport(t.app.context(), t.app.edif, EdifJobOf(t.app));
}

// A small EDIF file: the library cells and one top cell made of the given
// interface and contents texts.
inline std::string EdifWith(const std::string& library_cells, const std::string& top_interface,
                            const std::string& top_contents, const std::string& top = "TOP") {
  return "(edif t (edifVersion 2 0 0)\n (library LIB\n" + library_cells +
         " )\n (library WORK\n  (cell " + top + " (cellType GENERIC) (view v (viewType NETLIST)\n" +
         "   (interface\n" + top_interface + ")\n   (contents\n" + top_contents +
         "))))\n (design " + top + " (cellRef " + top + " (libraryRef WORK))))\n";
}

// A library cell with the given port texts ("A", "(array (rename d \"D[3:0]\") 4)").
inline std::string LibCell(const std::string& name, const std::vector<std::string>& ports) {
  std::string s = "  (cell " + name + " (cellType GENERIC) (view v (viewType NETLIST) (interface";
  for (const std::string& p : ports) s += " (port " + p + " (direction INPUT))";
  return s + ")))\n";
}

inline std::string Inst(const std::string& name, const std::string& cell) {
  return "    (instance " + name + " (viewRef v (cellRef " + cell + " (libraryRef LIB))))\n";
}

// A net joining "INSTANCE PORT" pairs, or "PORT" alone for an own port.
inline std::string NetOf(const std::string& name, const std::vector<std::string>& refs) {
  std::string s = "    (net " + name + " (joined";
  for (const std::string& r : refs) {
    std::size_t blank = r.find(' ');
    if (blank == std::string::npos) {
      s += " (portRef " + r + ")";
    } else {
      s += " (portRef " + r.substr(blank + 1) + " (instanceRef " + r.substr(0, blank) + "))";
    }
  }
  return s + "))\n";
}

// The lines of a file with CR LF ends.
inline std::vector<std::string> MacLines(const std::string& path) {
  std::string bytes = ReadFileBytes(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace kalvor::testing
