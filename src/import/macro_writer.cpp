#include "import/macro_writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_map>

#include "import/insert_inverters.h"
#include "text/lineio.h"
#include "text/row.h"
#include "text/strings.h"

namespace kalvor {

namespace {

bool Wrapped(File& out, std::string_view text, WriteState& state) {
  // Only a piece too long to wrap stops the writing; a write error is
  // reported once the macro file is closed.
  std::string unsplit;
  if (WriteWrappedLine(out, text, unsplit) || unsplit.empty()) return true;
  state.unsplit = std::move(unsplit);
  return false;
}

// The node of a port that no net connects.
std::string UnconnectedPort(const Body& body, const std::string& port, const std::string& cell,
                            bool reorder, WriteState& state, std::vector<Diagnostic>& diagnostics) {
  if (reorder) {
    if (state.warned_ports.find(" " + port + " ") == std::string::npos) {
      diagnostics.push_back(
          {Diagnostic::Severity::kNote, "port without counterpart", 0,
           Format("Port '%s' of macro '%s' has no EDIF counterpart.", port.c_str(), cell.c_str()),
           "Warning"});
      state.warned_ports += port + " ";
    }
    return port;
  }
  // NCX numbers a name of the cell already uses are passed over.
  ++state.unconnected;
  std::string name;
  do {
    name = "NCX";
    name += std::to_string(++state.ncx_number);
  } while (body.names.Used(name));
  return name;
}

// The node in front of the fanout buffer of `net`; its line goes to `buffers`.
std::string FanoutBuffer(Body& body, const FanoutSettings& s, const Net& net,
                         std::string_view line_so_far, std::vector<std::string>& buffers,
                         WriteState& state, std::vector<Diagnostic>& diagnostics) {
  const std::string& macro = net.fanout > s.large_threshold ? s.large_buffer : s.small_buffer;
  ++state.fanout_buffers;
  const std::string name(body.Name(net));
  std::string node = body.names.Unique(name + "_fanbust");
  buffers.push_back(Format("<fb%ld %s %s %s", state.fanout_buffers, macro.c_str(), node.c_str(),
                           name.c_str()));
  if (net.fanout > s.fanout_limit) {
    diagnostics.push_back({Diagnostic::Severity::kNote, "fanout limit", 0, std::string(line_so_far),
                           Format("cell %s net %s fanout=%ld exceeds limit!", body.cell.c_str(),
                                  name.c_str(), static_cast<long>(net.fanout))});
  }
  return node;
}

// Lines "KEYWORD NAME..." of at most 77 characters (a longer name alone on
// its line), each complete: no continuation lines after a directive. A
// write error is reported once the macro file is closed.
void WriteNameLines(File& out, const char* keyword, const std::vector<std::string_view>& names) {
  const std::size_t bare = std::strlen(keyword);
  std::string line = keyword;
  for (std::string_view name : names) {
    if (line.size() > bare && line.size() + 1 + name.size() > 77) {
      WriteLine(out, line);
      line = keyword;
    }
    line += ' ';
    line += name;
  }
  if (line.size() > bare) WriteLine(out, line);
}

// The directive lines after a header, which the VHDL conversion reads and
// NetTran takes as comments: the name the macro's name stands in for
// ("$original NAME"), the buses as the netlist declares them ("$bus
// NAME[LEFT:RIGHT] PORT...", the header's ports of its bits from the left
// one; a long bus takes several lines of the same NAME[LEFT:RIGHT]), the
// ports' directions ("$input", "$output", "$inout"; a port of unknown
// direction is in none), and the ports wired to the node of another port
// ("$wired NODE PORT...": the file joins them on one net, which the macro
// names after NODE).
void WritePortDirectives(File& out, const Cell& cell, const Body& body) {
  if (!cell.original.empty() && cell.original.find(' ') == std::string::npos) {
    WriteLine(out, "$original " + cell.original);
  }
  if (!cell.buses.empty()) {
    std::vector<std::vector<std::string_view>> bits(cell.buses.size());
    for (const Port& p : cell.ports) {
      if (!p.bit() || p.supply) continue;
      std::vector<std::string_view>& list = bits[static_cast<std::size_t>(p.bus)];
      const std::size_t member = static_cast<std::size_t>(p.member);
      if (list.size() <= member) list.resize(member + 1);
      list[member] = cell.PortName(p);
    }
    for (std::size_t b = 0; b < bits.size(); ++b) {
      const Bus& bus = cell.buses[b];
      std::vector<std::string_view>& list = bits[b];
      if (list.empty() || std::find(list.begin(), list.end(), std::string_view()) != list.end()) {
        continue;
      }
      std::string name = bus.source.empty() ? bus.name : bus.source;
      std::replace(name.begin(), name.end(), ' ', '_');
      const std::string keyword =
          "$bus " + name + "[" + std::to_string(bus.Index(0)) + ":" +
          std::to_string(bus.Index(static_cast<std::int32_t>(list.size()) - 1)) + "]";
      WriteNameLines(out, keyword.c_str(), list);
    }
  }
  std::vector<std::string_view> by_direction[3];
  for (const Port& p : cell.ports) {
    if (p.supply) continue;
    switch (p.direction) {
      case PortDirection::kInput: by_direction[0].push_back(cell.PortName(p)); break;
      case PortDirection::kOutput: by_direction[1].push_back(cell.PortName(p)); break;
      case PortDirection::kInOut: by_direction[2].push_back(cell.PortName(p)); break;
      case PortDirection::kUnknown: break;
    }
  }
  WriteNameLines(out, "$input", by_direction[0]);
  WriteNameLines(out, "$output", by_direction[1]);
  WriteNameLines(out, "$inout", by_direction[2]);
  if (body.cell != cell.name) return;
  std::vector<std::string_view> wired;
  for (const Net& net : body.nets) {
    wired.clear();
    for (const Pin& pin : body.Pins(net)) {
      if (pin.instance != Pin::kOwn) continue;
      const std::string& port = body.port_names[static_cast<std::size_t>(pin.port)];
      if (!EqualNoCase(port, body.Name(net))) wired.push_back(port);
    }
    if (wired.empty()) continue;
    wired.insert(wired.begin(), body.Name(net));
    WriteNameLines(out, "$wired", wired);
  }
}

}  // namespace

bool WriteMacro(File& out, Netlist& netlist, const Cell& cell, const WriteInputs& in,
                WriteState& state, std::vector<Diagnostic>& diagnostics) {
  Body& body = netlist.body;
  if (!Wrapped(out, ".macro " + cell.name + HeaderPorts(cell), state)) return false;
  WritePortDirectives(out, cell, body);
  // Each instance's connections, found under the first instance of its
  // name, by port, then net (the first net of a port first). The body's
  // pins become this table in place (the body is written once), each
  // packed as one number while it is sorted: in `links`, a Pin's
  // `instance` then holds the port and its `port` the net; instance i's
  // connections are links[start[i], start[i + 1]).
  const std::vector<std::int32_t> first =
      body.distinct_instances ? std::vector<std::int32_t>() : FirstOfEachName(body);
  const int port_bits = std::bit_width(body.port_names.size());
  const int net_bits = std::bit_width(body.nets.size());
  if (std::bit_width(body.instances.size()) + port_bits + net_bits > 63) {
    diagnostics.push_back({Diagnostic::Severity::kError, "", 0,
                           Format("Cell %s is too large to write: %ld instances, %ld nets.", cell.name.c_str(),
                                  static_cast<long>(body.instances.size()),
                                  static_cast<long>(body.nets.size())),
                           "Error"});
    return false;
  }
  std::vector<std::uint32_t> start(body.instances.size() + 1, 0);
  std::vector<Pin> links = std::move(body.pins);
  body.pins.clear();
  {
    // Connections carry the top bit; the cell's own pins (made 0), and room
    // no net holds (pins moved away), do not and are left out.
    constexpr std::uint64_t kLinked = std::uint64_t{1} << 63;
    auto key = [](const Pin& p) { return std::bit_cast<std::uint64_t>(p); };
    for (std::size_t n = 0; n < body.nets.size(); ++n) {
      const Net& net = body.nets[n];
      for (std::uint32_t k = net.first; k < net.first + net.count; ++k) {
        const Pin pin = links[k];
        if (pin.instance < 0) {
          links[k] = std::bit_cast<Pin>(std::uint64_t{0});
          continue;
        }
        const auto i = static_cast<std::size_t>(pin.instance);
        const std::uint64_t bucket = first.empty() ? i : static_cast<std::size_t>(first[i]);
        links[k] = std::bit_cast<Pin>(kLinked | bucket << (port_bits + net_bits) |
                                      static_cast<std::uint64_t>(pin.port) << net_bits | n);
      }
    }
    std::size_t linked = 0;
    for (const Pin& link : links) {
      if (key(link) & kLinked) links[linked++] = link;
    }
    links.resize(linked);
    const int bucket_shift = port_bits + net_bits;
    auto bucket = [&](std::uint64_t k) { return static_cast<std::size_t>((k & ~kLinked) >> bucket_shift); };
    for (const Pin& link : links) ++start[bucket(key(link)) + 1];
    for (std::size_t i = 1; i < start.size(); ++i) start[i] += start[i - 1];
    // Each connection swapped into its instance's place, a cursor per
    // group of instances: first into groups of consecutive instances (a
    // few thousand groups, whose cursors' lines stay in the cache), then
    // within each group into its instances' places, then each instance's
    // few sorted. Swapped straight to their instances, the connections of
    // a large body would each cost a miss of the cache.
    const std::size_t instances = start.size() - 1;
    auto place = [&](int shift) {
      const std::size_t groups = instances == 0 ? 0 : ((instances - 1) >> shift) + 1;
      auto end = [&](std::size_t g) { return start[std::min((g + 1) << shift, instances)]; };
      std::vector<std::uint32_t> next(groups);
      for (std::size_t g = 0; g < groups; ++g) next[g] = start[g << shift];
      for (std::size_t g = 0; g < groups; ++g) {
        while (next[g] < end(g)) {
          Pin moving = links[next[g]];
          for (std::size_t to = bucket(key(moving)) >> shift; to != g; to = bucket(key(moving)) >> shift) {
            std::swap(moving, links[next[to]++]);
          }
          links[next[g]++] = moving;
        }
      }
    };
    constexpr int kGroupBits = 12;
    const int coarse = std::max(0, static_cast<int>(std::bit_width(instances)) - kGroupBits);
    if (coarse > 0) place(coarse);
    place(0);
    const std::uint64_t net_mask = (std::uint64_t{1} << net_bits) - 1;
    const std::uint64_t port_mask = (std::uint64_t{1} << port_bits) - 1;
    for (std::size_t i = 0; i + 1 < start.size(); ++i) {
      const auto from = links.begin() + start[i], to = links.begin() + start[i + 1];
      std::sort(from, to, [&](const Pin& x, const Pin& y) { return key(x) < key(y); });
      for (auto at = from; at != to; ++at) {
        const std::uint64_t packed = key(*at);
        *at = {static_cast<std::int32_t>(packed >> net_bits & port_mask),
               static_cast<std::int32_t>(packed & net_mask)};
      }
    }
  }
  bool no_port = true;
  // Port orders of the cells instantiated here, with the number of each
  // port's name in the body (-1: none), looked up once per cell.
  struct Ordered {
    PortOrder order;
    std::vector<std::int32_t> ids;
  };
  std::unordered_map<std::string, Ordered> orders;
  // For the instance being written, by port name number: the first net of
  // the port, and the next other net it is on (-1: none).
  std::vector<std::int32_t> first_nets(body.port_names.size(), -1);
  std::vector<std::int32_t> other_nets(body.port_names.size(), -1);
  std::vector<std::string> buffers;
  Row line;          // the instance's line, made in room kept from line to line
  std::string made;  // a node name made up here
  for (std::size_t i = 0; i < body.instances.size(); ++i) {
    const Instance& inst = body.instances[i];
    if (in.step) in.step();
    buffers.clear();
    line.Clear();
    line.Add("<");
    const std::string_view name = body.Name(inst);
    const std::string& cell = body.CellOf(inst);
    line.Add(name);
    line.Add(" ");
    line.Add(RenameCell(in.base, cell, &name));
    auto order = orders.find(cell);
    if (order == orders.end()) {
      std::optional<PortOrder> found = FindPortOrder(in.base, netlist, cell, diagnostics);
      if (!found) return false;
      Ordered added{std::move(*found), {}};
      for (std::string_view port : added.order.ports) added.ids.push_back(body.FindPortName(port));
      order = orders.emplace(cell, std::move(added)).first;
    }
    const std::size_t me = first.empty() ? i : static_cast<std::size_t>(first[i]);
    const PortOrder& ports = order->second.order;
    // The instance's connections, by port then net.
    const auto from = links.begin() + start[me];
    const auto to = links.begin() + start[me + 1];
    for (auto at = from; at != to; ++at) {
      const auto id = static_cast<std::size_t>(at->instance);
      if (first_nets[id] < 0) {
        first_nets[id] = at->port;
      } else if (at->port != first_nets[id] && other_nets[id] < 0) {
        other_nets[id] = at->port;
      }
    }
    for (std::size_t k = 0; k < ports.ports.size(); ++k) {
      const std::string_view port = ports.ports[k];
      const std::int32_t id = order->second.ids[k];
      const std::int32_t net = id >= 0 ? first_nets[static_cast<std::size_t>(id)] : -1;
      // A pin the netlist puts on more nets than one: the macro file
      // takes one node per pin, the first net's.
      if (net >= 0 && other_nets[static_cast<std::size_t>(id)] >= 0 && state.split_pins++ == 0) {
        auto net_name = [&](std::int32_t n) { return body.Name(body.nets[static_cast<std::size_t>(n)]); };
        state.first_split = body.cell + ": " + std::string(name) + "<" + std::string(port) + " on " +
                            std::string(net_name(net)) + ", " +
                            std::string(net_name(other_nets[static_cast<std::size_t>(id)]));
      }
      std::string_view node;
      if (net >= 0) {
        node = body.Name(body.nets[static_cast<std::size_t>(net)]);
      } else {
        made = UnconnectedPort(body, std::string(port), cell, ports.reorder, state,
                               diagnostics);
        node = made;
      }
      if (in.vcc_to_vdd && EqualNoCase(node, "VCC")) node = "VDD";
      if (net >= 0) {
        const Net& n = body.nets[static_cast<std::size_t>(net)];
        if (n.fanout > in.settings.insertion_threshold && IsOutput(in.settings, port)) {
          made = FanoutBuffer(body, in.settings, n, line.View(), buffers, state, diagnostics);
          node = made;
        }
      }
      line.Add(" ");
      line.Add(node);
      no_port = false;
    }
    for (auto at = from; at != to; ++at) {
      first_nets[static_cast<std::size_t>(at->instance)] = -1;
      other_nets[static_cast<std::size_t>(at->instance)] = -1;
    }
    if (!Wrapped(out, line.View(), state)) return false;
    for (const std::string& b : buffers) {
      if (!Wrapped(out, b, state)) return false;
    }
  }
  if (no_port) ++state.no_body;
  WriteLine(out, ".eom");
  WriteLine(out, "");
  // The pins' block back to the body, empty, for the next cell's pins.
  links.clear();
  body.pins = std::move(links);
  return true;
}

}  // namespace kalvor
