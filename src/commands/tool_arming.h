// Arming the outside programs: radio buttons 104..108 and 117 fill the
// program field and the option line with NetTran's, GateSim's or LVS's
// command line, and prepare the macro file where NetTran needs it.
#pragma once

#include "commands/session.h"

namespace kalvor {

void SelectToolFunction(Session& session, int id);

// Warns that NetTran cannot use a test ID longer than 8 characters.
void WarnLongTestId(App& app);

}  // namespace kalvor
