// The command line of kalvor, parsed once into plain typed options. Every
// question, input box, file dialog and dialog field a function asks has a
// named option (the table in cli_options.cpp); the user interface answers a
// question from its option whenever it comes, told by its caption, text or
// dialog, never by its place in the run. `--answer` answers the rest in order.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace kalvor {

using Flag = std::optional<bool>;         // yes|no; unset: not given
using Text = std::optional<std::string>;  // a value; "" declines where allowed
using List = std::vector<std::string>;    // each use of a repeatable option

struct CliOptions {
  // FUNCTION and DESIGN-FILE; "help" with FUNCTION as the design shows the
  // function's help.
  std::vector<std::string> positional;
  std::vector<std::string> answers;  // --answer, in order
  int blanket = 0;                   // --yes / --no (answer::k*)
  std::string ini;
  Text option_line;  // --options
  bool verbose = false;
  bool quiet = false;
  std::string report;  // --report FILE
  bool help = false;
  bool version = false;

  // Named answers. Questions (yes|no).
  Flag overwrite, vcc_to_vdd, raise_capacities, fanout_report, block_routes,
      post_process, did_run, update_autoexec, keep_unpaired, echo_inputs, view, confirm;
  // Files and texts.
  Text base_macros, port_file, trace, node_names, tech_include, pads, program, layout, source,
      file, start, delta, to, supply, counts_per_volt, spice_type, lambda;
  // Dialog fields.
  List include, ignore_macro, use, inputs;
  Flag no_supply_ports, vhdl_standard, limit, latest;
  // The main window's check boxes, saved like the dialog's.
  Flag spc_nocom, spc_nonc, spc_noend, spc_nolambda, spc_noques, spc_noc, spc_noupr, spc_diodes,
      spc_nocaps, nettran_to_disk;
};

// What a named option answers, found by its identity.
enum class Asked {
  kQuestion,      // a Yes/No or OK/Cancel box: `caption` and the start of `text`
  kQuestionFile,  // such a question followed by a file dialog: FILE is yes and the file
  kFile,          // a file dialog with the pattern `text`
  kInput,         // an input box with the prompt `text`
  kFields,        // dialog `caption`: successive fields from `control`, at most `count`
  kKeyedFields,   // dialog `caption`: KEY=VALUE,... where key i of `keys` is control + i
  kChoice,        // dialog `caption`: choice i of `keys` checks control + i, clears the rest
  kMainCheck,     // check box `control` of the main window (any function)
  kMainText,      // edit `control` of the main window (any function)
};

struct NamedOption {
  const char* name;       // without "--"
  const char* arg;        // "FILE", "N", ...; nullptr: yes|no (alone: yes)
  const char* functions;  // the functions that ask it, blank-separated
  Asked asked;
  const char* caption = nullptr;  // box caption, dialog template or input title
  const char* text = nullptr;     // start of the box's text, prompt or file pattern
  int control = 0;
  int count = 1;
  const char* keys = nullptr;  // kKeyedFields, kChoice: the keys, blank-separated
  bool negatable = false;      // --no-NAME declines (the value "")
  const char* help = nullptr;  // what it answers
  Flag CliOptions::*flag = nullptr;
  Text CliOptions::*text_value = nullptr;
  List CliOptions::*list = nullptr;
};

const std::vector<NamedOption>& NamedOptions();

// Whether `row` belongs to `function`.
bool AskedBy(const NamedOption& row, const std::string& function);
// Whether the option of `row` was given.
bool Given(const NamedOption& row, const CliOptions& options);

// Parses argv. Returns an empty string on success, else what is wrong (a
// usage error).
std::string ParseCommandLine(int argc, char** argv, CliOptions& options);

// The usage text of `kalvor --help`, and of `kalvor help FUNCTION`.
void PrintUsage(std::ostream& out);
// False when `function` is none of the functions.
bool PrintFunctionHelp(std::ostream& out, const std::string& function);

}  // namespace kalvor
