// Start-up, loading the settings when the main dialog opens, and exit.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/state.h"

namespace kalvor {

// The longest design path the program keeps.
constexpr std::size_t kDesignPathCapacity = 255;

// Whether `name` (a path or a test ID) can be worked with: no control
// character (a line break would reach the settings and the batch file as a
// new line), and on hosts whose file names cannot hold a double quote, none.
bool UsableName(const std::string& name, PathStyle style);
// `name` as a message shows it: control characters as "?".
std::string ShownName(const std::string& name);

// The selected extension a file name gives: from its last dot (".edf"),
// at most 11 characters; empty without a dot.
std::string SelectedExtension(const std::string& name);

// True when `path` fits kDesignPathCapacity and is a UsableName; otherwise
// tells the user that the file cannot be taken (a cut path would name
// another file).
bool DesignPathUsable(App& app, const std::string& path);

// Start-up with the text after the program name: the design file, if any,
// gives the test ID and the test directory. A path too long to keep is
// refused with a message.
void StartUp(App& app, const std::string& command_line);

// The main dialog's initialisation, apart from what only a window can do
// (menu, font, drag and drop): settings, test ID, current directory, check
// boxes, the tool names.
void OpenMainDialog(App& app);

// Saves several settings as one change; tells the user (the settings
// file as caption) and returns false when they could not be saved.
bool SaveSettings(Platform& p, const std::vector<std::pair<std::string, std::string>>& entries);
bool SaveSettings(App& app, const std::vector<std::pair<std::string, std::string>>& entries);

// Exit: saves the check boxes, the lambda value, the directories and the
// test ID, as one change. False (after telling the user) when it failed.
bool SaveOnExit(App& app);

// The directory as the program keeps it: short form (lower case on Windows),
// ending in a separator. An empty directory stays empty.
std::string NormalizeTestDir(App& app, const std::string& dir);

// Makes the test directory current (nothing when it is empty; failures are
// not reported).
void MakeTestDirCurrent(App& app);

}  // namespace kalvor
