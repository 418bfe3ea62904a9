#include "posix/cli_options.h"

#include <ostream>
#include <sstream>

#include "commands/command_table.h"
#include "platform/resource.h"
#include "platform/ui.h"

namespace kalvor {

namespace {

constexpr const char* kTools = "net tpr prune spice gatesim lvs";

// Every named option, in the order `kalvor help FUNCTION` lists them. One
// option may answer several questions (one row each).
const std::vector<NamedOption> kNamed = {
    // The EDIF import.
    {.name = "base-macros", .arg = "FILE", .functions = "edif", .asked = Asked::kQuestionFile,
     .caption = "EDIF to MAC conversion", .text = "Do you want to specify a base macro file",
     .negatable = true,
     .help = "\"Do you want to specify a base macro file ...?\": yes, and this file",
     .text_value = &CliOptions::base_macros},
    {.name = "include", .arg = "func=FILE,pri=FILE,base=FILE,pads=FILE", .functions = "edif",
     .asked = Asked::kKeyedFields, .caption = "MacDlg", .control = IDC_MACDLG_FUNC, .count = 4,
     .keys = "func pri base pads",
     .help = "the \"Macro Include Files\" dialog: the tech->func., TIB->tech, base macro and "
             "pad includes (a key left out keeps its field; func= empties it)",
     .list = &CliOptions::include},
    {.name = "vcc-to-vdd", .arg = nullptr, .functions = "edif", .asked = Asked::kQuestion,
     .caption = "EDIF Import", .text = "Nodes named 'VCC' occur.",
     .help = "\"Nodes named 'VCC' occur.  Do you want to change these to ... 'VDD'?\"",
     .flag = &CliOptions::vcc_to_vdd},
    {.name = "raise-capacities", .arg = nullptr, .functions = "edif", .asked = Asked::kQuestion,
     .caption = "EDIF Import", .text = "This netlist needs the setting",
     .help = "\"This netlist needs the setting ... Raise ... and convert again?\"",
     .flag = &CliOptions::raise_capacities},
    {.name = "overwrite", .arg = nullptr, .functions = "edif", .asked = Asked::kQuestion,
     .caption = "Replace File?", .help = "\"Replace File?\" for the .mac file",
     .flag = &CliOptions::overwrite},

    // .mac to VHDL.
    {.name = "ignore-macro", .arg = "NAME", .functions = "mac2vhd", .asked = Asked::kFields,
     .caption = "mac2vhd", .control = IDC_PARAM_FIELD1, .count = 3,
     .help = "the three \"Ignore the following macros:\" fields (up to three times; the "
             "fields not named are emptied)",
     .list = &CliOptions::ignore_macro},
    {.name = "no-supply-ports", .arg = nullptr, .functions = "mac2vhd", .asked = Asked::kFields,
     .caption = "mac2vhd", .control = IDC_PARAM_FIELD4,
     .help = "the box \"NO Vdd/Gnd port/signal defs\"", .flag = &CliOptions::no_supply_ports},
    {.name = "use", .arg = "PACKAGE", .functions = "mac2vhd", .asked = Asked::kFields,
     .caption = "mac2vhd", .control = IDC_PARAM_FIELD5, .count = 2,
     .help = "the two \"Include packages:\" fields (up to twice; the fields not named are "
             "emptied)",
     .list = &CliOptions::use},
    {.name = "vhdl-standard", .arg = nullptr, .functions = "mac2vhd", .asked = Asked::kFields,
     .caption = "mac2vhd", .control = IDC_PARAM_FIELD7,
     .help = "the box \"standard VHDL\" (saved with the dialog's fields)",
     .flag = &CliOptions::vhdl_standard},
    {.name = "port-file", .arg = "FILE", .functions = "mac2vhd", .asked = Asked::kInput,
     .text = "File from which to obtain top level port definitions?", .negatable = true,
     .help = "\"File from which to obtain top level port definitions?\" (a generator tag "
             "names the top entity)",
     .text_value = &CliOptions::port_file},
    {.name = "overwrite", .arg = nullptr, .functions = "mac2vhd copy-mac copy-spice",
     .asked = Asked::kQuestion, .text = "Overwrite above file?",
     .help = "\"Overwrite above file?\"", .flag = &CliOptions::overwrite},
    {.name = "fanout-report", .arg = nullptr, .functions = "mac2vhd", .asked = Asked::kQuestion,
     .caption = "Done.", .help = "\"Display fanout report?\" (opens ~fanout.txt)",
     .flag = &CliOptions::fanout_report},

    // SIM / NOSIM.
    {.name = "overwrite", .arg = nullptr, .functions = "sim nosim", .asked = Asked::kQuestion,
     .text = "Replace ",
     .help = "\"Replace file?\" (one file) or \"Replace these N files?\" for the .vhd files that change",
     .flag = &CliOptions::overwrite},

    // Trace tables.
    {.name = "trace", .arg = "FILE", .functions = "vhdout", .asked = Asked::kFile,
     .text = "*.txt;*.out;*.vcd",
     .help = "the trace table or value change dump to convert (file dialog *.txt;*.out;*.vcd)",
     .text_value = &CliOptions::trace},
    {.name = "supply", .arg = "VOLTS", .functions = "vhdout", .asked = Asked::kFields,
     .caption = "vhdout", .control = IDC_PARAM_FIELD1, .help = "\"Supply Voltage\"",
     .text_value = &CliOptions::supply},
    {.name = "counts-per-volt", .arg = "N", .functions = "vhdout", .asked = Asked::kFields,
     .caption = "vhdout", .control = IDC_PARAM_FIELD2, .help = "\"Counts per Volt\"",
     .text_value = &CliOptions::counts_per_volt},
    {.name = "limit", .arg = nullptr, .functions = "vhdout", .asked = Asked::kFields,
     .caption = "vhdout", .control = IDC_PARAM_FIELD3,
     .help = "\"Limit Signals to Supply Range\"", .flag = &CliOptions::limit},

    // SPICE clean-up.
    {.name = "spice-type", .arg = "export|extract", .functions = "spice-clean",
     .asked = Asked::kChoice, .caption = "spcsel", .control = IDC_PARAM_FIELD1,
     .keys = "export extract",
     .help = "\"Spice File Type:\": an S-Edit export (DESIGN.sp) or an L-Edit extract "
             "(DESIGN.spc)",
     .text_value = &CliOptions::spice_type},
    {.name = "node-names", .arg = "FILE", .functions = "spice-clean",
     .asked = Asked::kQuestionFile, .caption = "Node Name Case Matching", .negatable = true,
     .help = "\"Pick a Spice command file with correct node names ...?\" (with "
             "--spc-noupr): yes, and this file",
     .text_value = &CliOptions::node_names},
    {.name = "keep-unpaired", .arg = nullptr, .functions = "spice-clean",
     .asked = Asked::kQuestion, .caption = "unpaired '?'",
     .help = "\"unpaired '?'\": keep the line (yes) or abandon the clean-up (no)",
     .flag = &CliOptions::keep_unpaired},
    {.name = "spc-nocom", .arg = nullptr, .functions = "spice-clean", .asked = Asked::kMainCheck,
     .control = IDC_MAIN_NO_COMMENTS, .help = "remove comment lines (\"*\")",
     .flag = &CliOptions::spc_nocom},
    {.name = "spc-nonc", .arg = nullptr, .functions = "spice-clean", .asked = Asked::kMainCheck,
     .control = IDC_MAIN_NO_NC,
     .help = "remove lines ending in \" nc\" and the nc and PortPad subcircuits",
     .flag = &CliOptions::spc_nonc},
    {.name = "spc-noend", .arg = nullptr, .functions = "spice-clean", .asked = Asked::kMainCheck,
     .control = IDC_MAIN_NO_END, .help = "remove the \".END\" line",
     .flag = &CliOptions::spc_noend},
    {.name = "spc-nolambda", .arg = nullptr, .functions = "spice-clean",
     .asked = Asked::kMainCheck, .control = IDC_MAIN_NO_LAMBDA,
     .help = "the hidden \"'*l' ( lambda=\" box (saved, no effect)",
     .flag = &CliOptions::spc_nolambda},
    {.name = "lambda", .arg = "VALUE", .functions = "spice-clean", .asked = Asked::kMainText,
     .control = IDC_MAIN_LAMBDA, .help = "its lambda value (saved, no effect)",
     .text_value = &CliOptions::lambda},
    {.name = "spc-noques", .arg = nullptr, .functions = "spice-clean",
     .asked = Asked::kMainCheck, .control = IDC_MAIN_NO_QUESTION,
     .help = "remove lines with \"?\" nodes (\"?G?\")", .flag = &CliOptions::spc_noques},
    {.name = "spc-noc", .arg = nullptr, .functions = "spice-clean", .asked = Asked::kMainCheck,
     .control = IDC_MAIN_NO_C, .help = "repair capacitor values (\"C= , f->fe\")",
     .flag = &CliOptions::spc_noc},
    {.name = "spc-noupr", .arg = nullptr, .functions = "spice-clean", .asked = Asked::kMainCheck,
     .control = IDC_MAIN_NO_UPPER,
     .help = "use top level nodes, match case (asks for a command file)",
     .flag = &CliOptions::spc_noupr},
    {.name = "spc-diodes", .arg = nullptr, .functions = "spice-clean",
     .asked = Asked::kMainCheck, .control = IDC_MAIN_DIODES,
     .help = "convert diodes to 0.735 V sources", .flag = &CliOptions::spc_diodes},
    {.name = "spc-nocaps", .arg = nullptr, .functions = "spice-clean",
     .asked = Asked::kMainCheck, .control = IDC_MAIN_NO_CAPS,
     .help = "remove parasitic capacitors", .flag = &CliOptions::spc_nocaps},

    // NetTran, GateSim, LVS.
    {.name = "tech-include", .arg = "FILE", .functions = "net tpr spice", .asked = Asked::kInput,
     .text = "Specify a macro file for this function:",
     .help = "\"Specify a macro file for this function:\" (the technology include, asked "
             "when the .mac file has none)",
     .text_value = &CliOptions::tech_include},
    {.name = "pads", .arg = "FILE", .functions = "tpr", .asked = Asked::kInput,
     .text = "Do you want to specify a pad definition file?", .negatable = true,
     .help = "\"Do you want to specify a pad definition file?\"",
     .text_value = &CliOptions::pads},
    {.name = "block-routes", .arg = nullptr, .functions = "net tpr", .asked = Asked::kQuestion,
     .text = "Do you want block route macros to be automatically constructed?",
     .help = "\"Do you want block route macros to be automatically constructed?\"",
     .flag = &CliOptions::block_routes},
    {.name = "post-process", .arg = nullptr, .functions = "net tpr", .asked = Asked::kQuestion,
     .text = "Remove root module name from hierarchy?",
     .help = "\"Remove root module name from hierarchy? ... restore top node names?\"",
     .flag = &CliOptions::post_process},
    {.name = "nettran-to-disk", .arg = nullptr, .functions = "net tpr prune spice",
     .asked = Asked::kMainCheck, .control = IDC_MAIN_NETTRAN_TO_DISK,
     .help = "the box \"NetTran output to disk\" (not saved)",
     .flag = &CliOptions::nettran_to_disk},
    {.name = "layout", .arg = "FILE", .functions = "lvs", .asked = Asked::kFile, .text = "*.spc",
     .help = "the layout extract to compare (file dialog *.spc)",
     .text_value = &CliOptions::layout},
    {.name = "program", .arg = "FILE", .functions = kTools, .asked = Asked::kFile,
     .text = "*.exe",
     .help = "the program when it is not found (\"Please browse for location of above "
             "program.\")",
     .text_value = &CliOptions::program},
    {.name = "update-autoexec", .arg = nullptr, .functions = kTools, .asked = Asked::kQuestion,
     .text = "Your autoexec.bat file will be modified",
     .help = "\"Your autoexec.bat file will be modified to include the above in a PATH= "
             "statement ...\"",
     .flag = &CliOptions::update_autoexec},
    {.name = "did-run", .arg = nullptr, .functions = kTools, .asked = Asked::kQuestion,
     .text = "There appeared to be some problem.",
     .help = "\"There appeared to be some problem.  Did this program run?\"",
     .flag = &CliOptions::did_run},

    // setup, extract.
    {.name = "inputs", .arg = "NODE,...", .functions = "setup", .asked = Asked::kFields,
     .caption = "iodlg", .control = IDC_IODLG_NODES,
     .help = "the input nodes chosen in the node list", .list = &CliOptions::inputs},
    {.name = "overwrite", .arg = nullptr, .functions = "setup", .asked = Asked::kQuestion,
     .caption = "overwrite", .help = "\"overwrite\" for the .VEC and the .SIM file",
     .flag = &CliOptions::overwrite},
    {.name = "echo-inputs", .arg = nullptr, .functions = "setup", .asked = Asked::kQuestion,
     .text = "Echo input ports in .TAB ?", .help = "\"Echo input ports in .TAB ?\"",
     .flag = &CliOptions::echo_inputs},
    {.name = "start", .arg = "TIME", .functions = "extract", .asked = Asked::kFields,
     .caption = "extdlg", .control = IDC_EXTDLG_START, .help = "\"Start Time\"",
     .text_value = &CliOptions::start},
    {.name = "delta", .arg = "TIME", .functions = "extract", .asked = Asked::kFields,
     .caption = "extdlg", .control = IDC_EXTDLG_DELTA, .help = "\"Delta Time\"",
     .text_value = &CliOptions::delta},
    {.name = "latest", .arg = nullptr, .functions = "extract", .asked = Asked::kFields,
     .caption = "extdlg", .control = IDC_EXTDLG_LATEST,
     .help = "\"Extract latest output before time points\"", .flag = &CliOptions::latest},
    {.name = "to", .arg = "FILE", .functions = "extract", .asked = Asked::kFields,
     .caption = "extdlg", .control = IDC_EXTDLG_OUTPUT,
     .help = "\"To:\", the table written (default DESIGN.DOC)", .text_value = &CliOptions::to},
    {.name = "view", .arg = nullptr, .functions = "extract", .asked = Asked::kQuestion,
     .text = "View extracted data now?", .help = "\"View extracted data now?\"",
     .flag = &CliOptions::view},

    // File commands.
    {.name = "source", .arg = "FILE", .functions = "copy-mac", .asked = Asked::kFile,
     .text = "*.mac", .help = "the .mac file to copy (its .wir comes with it)",
     .text_value = &CliOptions::source},
    {.name = "source", .arg = "FILE", .functions = "copy-spice", .asked = Asked::kFile,
     .text = "*.sp;*.spc", .help = "the .sp or .spc file to copy",
     .text_value = &CliOptions::source},
    {.name = "file", .arg = "FILE", .functions = "reformat", .asked = Asked::kFile,
     .text = "*.*", .help = "the file to reformat", .text_value = &CliOptions::file},
    {.name = "confirm", .arg = nullptr, .functions = "reformat", .asked = Asked::kQuestion,
     .text = "Reformat line-ends in above file?",
     .help = "\"Reformat line-ends in above file?\"", .flag = &CliOptions::confirm},
};

struct FunctionFiles {
  const char* name;
  const char* reads;
  const char* writes;
};

// What each function reads and writes; DESIGN is the test directory and
// test ID.
constexpr FunctionFiles kFiles[] = {
    {"net", "DESIGN.mac, DESIGN.wir",
     "the include line and block route macros into DESIGN.mac; NetTran writes DESIGN.net "
     "(with --nettran-to-disk its output into DESIGN.out through DESIGN.bat), then "
     "DESIGN.net is post-processed"},
    {"gatesim", "DESIGN.sim (and what it names)", "GateSim writes what DESIGN.sim names"},
    {"tpr", "DESIGN.mac, DESIGN.wir",
     "the include lines and block route macros into DESIGN.mac; NetTran writes DESIGN.tpr, "
     "then it is post-processed"},
    {"prune", "DESIGN.mac, DESIGN.wir", "NetTran writes DESIGN.tmc"},
    {"spice", "DESIGN.tmc, DESIGN.wir, DESIGN.mac",
     "the include line into DESIGN.mac; NetTran writes DESIGN.spc"},
    {"spice-clean", "DESIGN.sp or DESIGN.spc, a SPICE command file (--spc-noupr)",
     "DESIGN.sp or DESIGN.spc, in place"},
    {"sim", "every .vhd file of the test directory", "the same files, in place"},
    {"nosim", "every .vhd file of the test directory", "the same files, in place"},
    {"vhdout", "the trace table (.txt)", "TABLE.out and TABLE.vcd beside it; opens the viewer"},
    {"mac2vhd", "DESIGN.mac, its includes, a port definition file",
     "DESIGN.vhd, ~fanout.txt in the test directory"},
    {"edif", "DESIGN.edf, .edn or .edo (or .v, .vg, .vm, .vo, .vqm), the base macro file",
     "DESIGN.mac, DESIGN.wir"},
    {"a-cells", "DESIGN.mac", "DESIGN.mac, in place"},
    {"lvs", "DESIGN.spc (or ../sedit/DESIGN.sp), the layout extract", "LVS writes DESIGN.lvs"},
    {"setup", "DESIGN.wir, DESIGN.mac, KALVOR.VEC, KALVOR.SIM", "DESIGN.VEC, DESIGN.SIM"},
    {"extract", "DESIGN.OUT", "DESIGN.DOC (or the file of --to)"},
    {"copy-mac", "a .mac file and its .wir", "copies in the test directory"},
    {"copy-spice", "a .sp or .spc file", "a copy in the test directory"},
    {"reformat", "a file", "the same file with CR LF line ends"},
};

bool HasWord(const char* words, const std::string& word) {
  std::string padded = std::string(" ") + words + " ";
  return padded.find(" " + word + " ") != std::string::npos;
}

bool ParseYesNo(const std::string& v, bool& out) {
  if (v == "yes" || v == "y" || v == "1") return out = true, true;
  if (v == "no" || v == "n" || v == "0") return out = false, true;
  return false;
}

// Sets the value of `row` from `value` (`given`: an =VALUE or a following
// argument was there). Returns what is wrong, or "".
std::string SetNamed(const NamedOption& row, bool negated, const std::string* value,
                     CliOptions& o) {
  const std::string flag = std::string("--") + (negated ? "no-" : "") + row.name;
  if (row.flag) {
    bool on = true;
    if (value && !ParseYesNo(*value, on)) return flag + " takes yes or no";
    o.*row.flag = on;
    return "";
  }
  if (negated) {
    if (value) return flag + " takes no value";
    if (row.text_value) o.*row.text_value = std::string();
    return "";
  }
  if (!value) return flag + " needs " + row.arg;
  if (row.asked == Asked::kChoice && !HasWord(row.keys, *value)) {
    return flag + " takes " + row.arg;
  }
  if (row.list) {
    List& list = o.*row.list;
    if (row.asked == Asked::kFields && static_cast<int>(list.size()) >= row.count &&
        row.count > 1) {
      return flag + " is given at most " + std::to_string(row.count) + " times";
    }
    if (row.asked == Asked::kKeyedFields) {
      std::stringstream parts(*value);
      std::string part;
      while (std::getline(parts, part, ',')) {
        std::size_t eq = part.find('=');
        if (eq == std::string::npos || !HasWord(row.keys, part.substr(0, eq))) {
          return flag + " takes " + row.arg;
        }
      }
    }
    list.push_back(*value);
    return "";
  }
  o.*row.text_value = *value;
  return "";
}

void Wrapped(std::ostream& out, const std::string& term, const std::string& text) {
  constexpr std::size_t kColumn = 24;
  constexpr std::size_t kWidth = 79;
  std::string line = "  " + term;
  if (line.size() + 2 > kColumn) {
    out << line << "\n";
    line.clear();
  }
  line.resize(kColumn, ' ');
  std::size_t used = kColumn;
  std::stringstream words(text);
  std::string word;
  bool first = true;
  while (words >> word) {
    if (!first && used + 1 + word.size() > kWidth) {
      out << line << "\n";
      line = std::string(kColumn, ' ');
      used = kColumn;
      first = true;
    }
    if (!first) line += ' ', ++used;
    line += word;
    used += word.size();
    first = false;
  }
  out << line << "\n";
}

std::string Term(const NamedOption& row) {
  std::string term = std::string("--") + row.name;
  return row.arg ? term + " " + row.arg : term + "[=yes|no]";
}

}  // namespace

const std::vector<NamedOption>& NamedOptions() { return kNamed; }

bool AskedBy(const NamedOption& row, const std::string& function) {
  return HasWord(row.functions, function);
}

bool Given(const NamedOption& row, const CliOptions& o) {
  if (row.flag) return (o.*row.flag).has_value();
  if (row.text_value) return (o.*row.text_value).has_value();
  return !(o.*row.list).empty();
}

std::string ParseCommandLine(int argc, char** argv, CliOptions& o) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0 || arg.size() == 2) {
      if (arg == "-h") {
        o.help = true;
        continue;
      }
      o.positional.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    std::string inline_value;
    bool has_inline = false;
    if (std::size_t eq = name.find('='); eq != std::string::npos) {
      inline_value = name.substr(eq + 1);
      name.resize(eq);
      has_inline = true;
    }
    auto take = [&](std::string& into) {
      if (has_inline) return into = inline_value, true;
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    auto plain = [&](bool& into) {
      if (has_inline) return false;
      into = true;
      return true;
    };
    bool bad = false;
    if (name == "help") {
      bad = !plain(o.help);
    } else if (name == "version") {
      bad = !plain(o.version);
    } else if (name == "verbose") {
      bad = !plain(o.verbose);
    } else if (name == "quiet") {
      bad = !plain(o.quiet);
    } else if (name == "yes" || name == "no") {
      o.blanket = name == "yes" ? answer::kYes : answer::kNo;
      bad = has_inline;
    } else if (name == "answer") {
      std::string v;
      if (!take(v)) return "--answer needs a VALUE";
      o.answers.push_back(v);
    } else if (name == "ini") {
      bad = !take(o.ini);
    } else if (name == "report") {
      bad = !take(o.report);
    } else if (name == "options") {
      std::string v;
      bad = !take(v);
      o.option_line = v;
    } else {
      const NamedOption* row = nullptr;
      bool negated = false;
      for (const NamedOption& r : kNamed) {
        if (name == r.name) row = &r;
        if (r.negatable && name == std::string("no-") + r.name) row = &r, negated = true;
        if (row) break;
      }
      if (!row) return "unknown option " + arg;
      std::string value;
      const std::string* given = nullptr;
      // yes|no options take only an attached value: --overwrite=no.
      if (has_inline || (row->arg && !negated && take(value))) {
        if (has_inline) value = inline_value;
        given = &value;
      }
      std::string wrong = SetNamed(*row, negated, given, o);
      if (!wrong.empty()) return wrong;
      continue;
    }
    if (bad) return "option " + arg + (has_inline ? " takes no value" : " needs a value");
  }
  return "";
}

void PrintUsage(std::ostream& out) {
  out << "usage: kalvor FUNCTION [DESIGN-FILE] [options]\n\n"
         "Without DESIGN-FILE the stored test ID and test directory are used.\n"
         "kalvor help FUNCTION lists what a function reads, writes and asks, and the\n"
         "option that answers each question.\n\n"
         "Functions:\n";
  for (const Command& c : Commands()) {
    if (!c.name) continue;
    std::string name = c.name;
    out << "  " << name << std::string(name.size() < 13 ? 13 - name.size() : 1, ' ') << c.help
        << "\n";
  }
  out << "  select       make DESIGN-FILE the current design\n";
  out << "\nOptions:\n"
         "  --answer VALUE     answer the next question that no named option answers:\n"
         "                     yes, no, ok, cancel, the text or file, or for a dialog\n"
         "                     its option string, ID=VALUE;... or !ID to press a button\n"
         "  --yes, --no        answer every remaining question\n"
         "  --options TEXT     replace the option line before Run\n"
         "  --quiet            print no progress and no summary line\n"
         "  --report FILE      write the summary and every warning as JSON\n"
         "  --verbose          print a line per node of the .mac to VHDL conversion\n"
         "  --ini FILE         settings file (default $KALVOR_INI, else\n"
         "                     $XDG_CONFIG_HOME/kalvor/kalvor.ini)\n"
         "  --version          print the version and stop\n"
         "  --help             print this help and stop\n\n"
         "Exit status: 0 done, 1 stopped on a reported failure, 2 usage error.\n";
}

bool PrintFunctionHelp(std::ostream& out, const std::string& function) {
  const Command* command = FindCommand(function);
  const FunctionFiles* files = nullptr;
  for (const FunctionFiles& f : kFiles) {
    if (function == f.name) files = &f;
  }
  if (!command || !command->name || !files) return false;
  out << "usage: kalvor " << function << " [DESIGN-FILE] [options]\n\n"
      << command->help << ".\n\n"
      << "Reads: " << files->reads << "\n"
      << "Writes: " << files->writes << "\n\n"
      << "Asks:\n";
  bool any = false;
  for (const NamedOption& row : kNamed) {
    if (!AskedBy(row, function)) continue;
    Wrapped(out, Term(row), row.help);
    if (row.negatable) Wrapped(out, std::string("--no-") + row.name, "declines the same question");
    any = true;
  }
  if (!any) Wrapped(out, "(none)", "the function asks no question");
  return true;
}

}  // namespace kalvor
