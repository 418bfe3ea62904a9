// Commands that deal with whole files: choosing the design, copying it into
// the project, viewing, editing, reformatting, help.
#pragma once

#include <string>

#include "commands/session.h"
#include "core/safe_replace.h"

namespace kalvor {

// The selected file becomes the design: test ID, selected extension, test
// and last directory (stored), option line and radio buttons cleared. False
// (after telling the user) when the path cannot be taken (nothing changes)
// or the selection could not be stored.
bool SelectFile(App& app);

// File dialog with `pattern`, then SelectFile.
Outcome SelectCommand(App& app, const std::string& pattern);
// "Import .e&df to .mac": file dialog, SelectFile, then the EDIF import.
Outcome SelectAndImportEdif(Session& session);

// Copies `source` into `out` as the new version of `destination`, asking
// before overwriting; the caller commits it. False (after telling the user)
// when it was not copied whole.
bool CopyWithPrompt(App& app, SafeOutput& out, const std::string& destination,
                    const std::string& source);
// Copy .mac/.wir or .sp/.spc into the test directory.
Outcome CopyIntoProject(App& app, const std::string& pattern);

Outcome EditCommand(App& app);
Outcome ReformatText(App& app);
Outcome HelpCommand(App& app);
// The view buttons 210, 211, 213, 214, 216, 217, 218.
Outcome ViewButton(App& app, int id);

}  // namespace kalvor
