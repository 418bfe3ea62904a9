// The data files that ship with the program: the simulation templates
// KALVOR.VEC and KALVOR.SIM and the help file KALVOR.HLP.
#pragma once

#include <string>

#include "text/path_style.h"

namespace kalvor {

// Where the data file `name` is: beside the program (its directory
// `program_dir`) when it is there, else in ../share/kalvor of that
// directory (an installed tree with the program in bin/). When neither
// holds it, the place beside the program, so that a message names where
// the file was expected.
std::string DataFilePath(const std::string& program_dir, const std::string& name,
                         PathStyle style);

}  // namespace kalvor
