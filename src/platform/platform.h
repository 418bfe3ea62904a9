// All seams together, handed to the core by the front end.
#pragma once

#include "platform/filesys.h"
#include "platform/profile.h"
#include "platform/shell.h"
#include "platform/ui.h"

namespace kalvor {

struct Platform {
  UserInterface& ui;
  Profile& profile;
  Shell& shell;
  FileSystem& fs;
};

}  // namespace kalvor
