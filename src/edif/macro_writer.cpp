#include "edif/macro_writer.h"

#include <unordered_map>

#include "edif/base_macros.h"
#include "edif/edif_reader.h"
#include "mac/macfile.h"
#include "text/lineio.h"

namespace kalvor {

namespace {

bool Wrapped(EdifRun& run, File& out, const std::string& text) {
  // Only the "Symbol over 70 char. long" stop closes the file; a write
  // error is reported once the macro file is closed.
  if (WriteMacLine(out, text, run.platform.ui) || out.IsOpen()) return true;
  run.failed = true;
  return false;
}

}  // namespace

bool WriteMacro(EdifRun& run, File& out, InstanceStep step, void* step_context) {
  const CellContents& cell = run.cell;
  const FanoutSettings& settings = run.fanout();
  if (!Wrapped(run, out, cell.header)) return false;
  bool no_port = true;
  // Port orders of the cells instantiated here; the tables they come from
  // do not change while the macro is written.
  struct Order {
    PortOrder order;
    std::vector<std::string_view> words;  // of order.ports, split once
  };
  std::unordered_map<std::string, Order> orders;
  std::vector<std::string> buffers;
  std::string line;
  std::string made;  // a node name made up here
  for (std::size_t i = 0; i < cell.instances.size(); ++i) {
    const Instance& inst = cell.instances[i];
    if (step) step(step_context);
    buffers.clear();
    line.assign(1, '<');
    line += inst.name;
    line += ' ';
    line += RenameCell(run, inst.cell, &inst.name);
    auto order = orders.find(inst.cell);
    if (order == orders.end()) {
      std::optional<PortOrder> found = FindPortOrder(run, inst.cell);
      if (!found) return false;
      order = orders.emplace(inst.cell, Order{std::move(*found), {}}).first;
      order->second.words = SplitWords(order->second.order.ports);
    }
    for (std::string_view port : order->second.words) {
      long net = run.lookups.FindNetOfPort(cell, i, port);
      std::string_view node;
      long fanout = 0;
      if (net >= 0) {
        node = cell.nets[static_cast<std::size_t>(net)].name;
        fanout = cell.nets[static_cast<std::size_t>(net)].fanout;
      } else {
        made = UnconnectedPort(run, std::string(port), inst.cell, order->second.order.reorder);
        node = made;
      }
      node = ApplySupplyRule(run.platform.ui, run.session, node);
      if (net >= 0 && fanout > settings.insertion_threshold && IsOutput(settings, port)) {
        made = FanoutBuffer(run, net, line, buffers);
        node = made;
      }
      line += ' ';
      line += node;
      no_port = false;
    }
    if (!Wrapped(run, out, line)) return false;
    for (const std::string& b : buffers) {
      if (!Wrapped(run, out, b)) return false;
    }
  }
  if (no_port) ++run.no_body;
  WriteLine(out, ".eom");
  WriteLine(out, "");
  return true;
}

}  // namespace kalvor
