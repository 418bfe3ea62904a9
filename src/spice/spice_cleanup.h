// The SPICE netlist clean-up: every line of an S-Edit export or an L-Edit
// extract passes through a fixed pipeline of edits chosen with the main
// dialog's check boxes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "spice/spice_node_names.h"
#include "core/dialogs.h"
#include "core/outcome.h"
#include "core/run_context.h"
#include "text/file.h"

namespace kalvor {

// The file type (S-Edit export or L-Edit extract) as the "spcsel" dialog
// edits it.
constexpr OptionSetting kSpcselOptions{"spcsel", "se=y;le=n;"};

// The check boxes of the "SPICE/remove:", "repair:" and "convert:" rows.
struct SpiceOptions {
  bool no_comments = false;    // 502 drop comment lines
  bool no_nc = false;          // 503 drop no-connect and pad lines
  bool no_end = false;         // 504 drop ".END"
  bool no_questions = false;   // 507 "?" nodes
  bool fix_caps = false;       // 508 "C=" and "f" -> "fe"
  bool match_case = false;     // 509 node-name table, aliases, letter case
  bool diodes = false;         // 510 diodes to voltage sources
  bool no_parasitics = false;  // 511 drop plain-number capacitors
};

// Run with "SPICE/remove:": cleans the design's L-Edit extract
// `stem` + ".spc" or S-Edit export `stem` + ".sp" (as the "spcsel" dialog
// chooses) in place with `options`. The node-name command file is looked for
// from `dir`.
Outcome RunSpiceCleanup(const RunContext& run, const SpiceOptions& options,
                        const std::string& stem, const std::string& dir);

// How far the node-name table has come.
enum class NodeTableState {
  kNone,    // no command file
  kNotMet,  // command file read, no node table met in the netlist yet
  kMet,     // node table met
};

struct AliasPair {
  std::string from;
  std::string to;
};

class SpiceCleaner {
 public:
  enum class Result { kDone, kCancelled, kWriteFailed };

  // `is_extract`: the netlist is an L-Edit extract (its alias section is
  // read). `keep_unpaired` is asked about each line with an unpaired "?" and
  // answers false to abandon the run; `each_line` runs once per line read.
  SpiceCleaner(const SpiceOptions& options, const NodeNameTable& nodes,
               bool is_extract, NodeTableState state,
               std::function<bool(const std::string&)> keep_unpaired,
               std::function<void()> each_line = {});

  // Writes the kept lines of `in` to `out`. A line no step changes is
  // written exactly as read (tabs included).
  Result Run(File& in, File& out);

  NodeTableState state() const { return state_; }
  const std::vector<AliasPair>& aliases() const { return aliases_; }

 private:
  enum class Step { kKeep, kDrop, kEnd, kCancel };

  bool Next();
  bool WriteCurrent(File& out);
  Step Pipeline();
  bool ConsumeNodeNames();
  bool ConsumeAliases();
  void AddAlias(std::string from, std::string to);
  bool WholeWordAt(const std::string& from, std::size_t at) const;
  void ReplaceAliases();
  Step CheckQuestionMarks();
  void FixCapacitor();
  void MatchCase();
  void DiodeToSource();

  SpiceOptions options_;
  const NodeNameTable& nodes_;
  bool is_extract_;
  NodeTableState state_;
  std::function<bool(const std::string&)> keep_unpaired_;
  std::function<void()> each_line_;
  std::vector<AliasPair> aliases_;

  File* in_ = nullptr;
  std::string text_;     // the line being handled, tabs as blanks
  std::string raw_;      // the line as read, when it held tabs
  std::string blanked_;  // that line with tabs as blanks, before any step
  bool has_tabs_ = false;
};

}  // namespace kalvor
