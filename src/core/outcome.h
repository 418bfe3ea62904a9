// How a command ended, for callers that need to know (the command-line
// front end turns it into its exit status). The user has already been told.
#pragma once

namespace kalvor {

enum class Outcome {
  kCompleted,  // ran to its end
  kStopped,    // the user declined or cancelled; nothing is wrong
  kFailed,     // stopped on a reported failure
};

}  // namespace kalvor
