// EDIF import settings that live for the whole program run: the answer to
// the VCC question and the fanout and output settings of the base macro
// file. A base file that changes them changes them for every later import.
#pragma once

#include <string>

namespace kalvor {

struct FanoutSettings {
  long insertion_threshold = 1000;
  long large_threshold = 4000;
  long fanout_limit = 12000;
  std::string small_buffer = "BUF4";
  std::string large_buffer = "BUF12";
  std::string output_letters = "oqzx";  // lower case
  char exclusion = 'i';                 // '\0': no name is an output
};

// The files of one import.
struct EdifJob {
  std::string edif_path;   // the netlist read
  std::string mac_path;    // the macro file written; the wire list (.wir) goes beside it
  std::string test_dir;    // include files inside it are written by their plain names
  std::string browse_dir;  // where the file dialogs start
};

// The answer to the question whether names "VCC" become "VDD", asked once
// per program run.
enum class VccAnswer { kNotAsked, kYes, kNo };

struct EdifSession {
  VccAnswer vcc_answer = VccAnswer::kNotAsked;
  FanoutSettings fanout;
};

}  // namespace kalvor
