// Helpers of the main dialog that every command uses: the test ID check,
// the option line, the radio buttons.
#pragma once

#include <string>

#include "core/state.h"

namespace kalvor {

// Reads edit 101 into the test ID and stores it; false (with a message)
// when it is empty, holds a character no file name may hold, or cannot be
// stored.
bool CheckTestId(App& app);
// Puts `text` into edit 102, warning when it is longer than 93 characters.
void SetOptionLine(App& app, const std::string& text);

// Checks radio button `id` and clears the others of 104..117.
void CheckRadio(App& app, int id);

}  // namespace kalvor
