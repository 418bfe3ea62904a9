#include "commands/session.h"

#include "core/startup.h"
#include "text/strings.h"

namespace kalvor {

ToolDesign ToolDesignOf(const App& app) {
  ToolDesign d;
  d.test_id = app.state.test_id;
  d.test_dir = app.state.test_dir;
  d.netlist_dir = app.state.last_dir;
  d.program_dir = app.state.program_dir;
  return d;
}

EdifJob EdifJobOf(const App& app) {
  const AppState& s = app.state;
  const std::string stem = JoinPath(s.test_dir, s.test_id, app.style());
  EdifJob job;
  job.edif_path = stem + s.selected_ext;
  job.mac_path = stem + ".mac";
  job.test_dir = s.test_dir;
  job.browse_dir = s.last_dir;
  return job;
}

void StartSession(Session& session, const std::string& command_line) {
  StartUp(session, command_line);
  // The sizes are read now; the tables are allocated by the first
  // conversion that needs them.
  session.fanout.nets = session.profile().GetInt(key::kNets, defaults::kNets);
  session.fanout.knets = session.profile().GetInt(key::kKNets, defaults::kKNets);
}

}  // namespace kalvor
