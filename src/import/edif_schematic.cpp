// The EDIF reader's part for what schematic capture writes: net arrays (a
// bus drawn as one wire) and ports a cell's interface joins inside (bus
// rippers, feedthroughs). Kept apart from the reader's hot path.
#include <algorithm>
#include <unordered_map>

#include "import/edif_reader.h"
#include "import/join_nets.h"
#include "text/strings.h"

namespace kalvor {

namespace {

// The bits of the bus of `cell` named `name` (ignoring letter case), or -1
// when it has none of that name.
long BusBits(const Cell& cell, std::string_view name) {
  for (std::size_t b = 0; b < cell.buses.size(); ++b) {
    if (!EqualNoCase(cell.buses[b].name, name)) continue;
    long bits = 0;
    for (const Port& p : cell.ports) bits += p.bus == static_cast<std::int32_t>(b);
    return bits;
  }
  return -1;
}

}  // namespace

bool EdifReader::ReadNetArray(const Cell& own, const EdifName& net_name, std::size_t used,
                              long line) {
  const long size = net_name.array_size < 1 ? 1 : net_name.array_size;
  if (size > kMaxBusBits) return Stop("Bus range too large: " + net_name.text, own.name);
  // Each reference must name a whole array of the net's size: the cell's
  // own, or an instance's port.
  auto bus_size = [&](const PortRef& pr) -> long {
    if (pr.port.is_member || pr.port.is_array) return -1;
    const Cell* cell = &own;
    if (!pr.instance.empty()) {
      const std::int32_t at = FindInstance(pr.instance);
      const std::int32_t c = at < 0 ? -1 : instance_cells_[static_cast<std::size_t>(at)];
      if (c < 0) return -1;
      cell = &netlist_.cells[static_cast<std::size_t>(c)];
    }
    return BusBits(*cell, pr.port.text);
  };
  for (std::size_t k = 0; k < used; ++k) {
    const long bits = bus_size(refs_[k]);
    if (bits != size) {
      const std::string where = refs_[k].instance.empty() ? std::string("the cell's own port")
                                                          : "port of instance " + refs_[k].instance;
      return Stop(Format("Net array %s (%ld bits): %s %s is %s; only whole arrays of "
                         "the net's size are read here.",
                         net_name.array_id.c_str(), size, where.c_str(),
                         refs_[k].port.text.c_str(),
                         bits < 0 ? "no array" : Format("an array of %ld bits", bits).c_str()),
                  own.name, line);
    }
  }
  // Member k of the net is member k of every array on it; a member on a
  // port of the cell is named after that port, else after the net's text.
  const BusRange r = LastBusRange(net_name.text);
  const Bus bus{net_name.array_id, static_cast<std::int32_t>(r.found ? r.left : size - 1),
                !r.found || r.left >= r.right, std::string()};
  const std::string base = BusBase(net_name.text, r);
  EdifName member;
  member.is_member = true;
  for (long k = 0; k < size; ++k) {
    member.member_index = std::to_string(k);
    std::string name;
    for (std::size_t j = 0; j < used && name.empty(); ++j) {
      if (!refs_[j].instance.empty()) continue;
      member.member_id = refs_[j].port.text;
      member.text = member.member_id + member.member_index;
      name = PortHeaderName(member, own, -1);
    }
    if (name.empty()) name = body_.names.Unique(base + std::to_string(bus.Index(static_cast<std::int32_t>(k))));
    Net net;
    body_.Rename(net, name);
    net.fanout = static_cast<std::int32_t>(used);
    net.first = static_cast<std::uint32_t>(body_.pins.size());
    net.count = static_cast<std::uint32_t>(used);
    for (std::size_t j = 0; j < used; ++j) {
      member.member_id = refs_[j].port.text;
      member.text = member.member_id + member.member_index;
      AddPin(own, refs_[j].instance, member, line);
    }
    if (failed_) return false;
    if (static_cast<long>(body_.nets.size()) >= options_.limits.nets) {
      return CapacityStop("Too many nodes in this cell", body_.cell, key::kEdifNets,
                          options_.limits.nets, "net");
    }
    body_.nets.push_back(net);
  }
  return true;
}

bool EdifReader::ReadInterfaceJoin() {
  // Ports the cell joins inside (a bus ripper's sides, a feedthrough).
  std::vector<EdifName>& refs = pending_joins_.emplace_back();
  EdifName ref;
  while (Find("portref", ref)) {
    refs.push_back(ref);
    SkipTo(tokens_.depth() - 1);  // the rest of the portRef
  }
  return !failed_;
}

void EdifReader::ReadInsideJoins(const Cell& cell, std::vector<std::vector<std::string>>& groups) {
  for (const std::vector<EdifName>& refs : pending_joins_) {
    // A whole bus stands for its members: member k of each with member k.
    std::vector<long> bits;  // of each reference's bus (-1: no bus)
    long members = 1;
    for (const EdifName& ref : refs) {
      bits.push_back(ref.is_member ? -1 : BusBits(cell, ref.text));
      members = std::max(members, bits.back());
    }
    for (long k = 0; k < members; ++k) {
      std::vector<std::string> group;
      for (std::size_t r = 0; r < refs.size(); ++r) {
        const EdifName& ref = refs[r];
        EdifName one = ref;
        if (bits[r] >= 0) {
          one.is_member = true;
          one.member_id = ref.text;
          one.member_index = std::to_string(k);
          one.text = one.member_id + one.member_index;
        } else if (k > 0) {
          continue;  // a scalar joined to every member of a bus: once is enough
        }
        group.emplace_back(PortHeaderName(one, cell, -1));
        if (failed_) return;
      }
      if (group.size() > 1) groups.push_back(std::move(group));
    }
  }
}

std::int32_t EdifReader::InsideJoinedPort(const Pin& pin) {
  const std::int32_t c = instance_cells_[static_cast<std::size_t>(pin.instance)];
  if (c < 0 || static_cast<std::size_t>(c) >= inside_joins_.size() ||
      inside_joins_[static_cast<std::size_t>(c)].empty()) {
    return -1;
  }
  if (inside_mapped_.size() <= static_cast<std::size_t>(c)) inside_mapped_.resize(static_cast<std::size_t>(c) + 1);
  auto key = [&](std::int32_t port) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(c)) << 32 | static_cast<std::uint32_t>(port);
  };
  if (!inside_mapped_[static_cast<std::size_t>(c)]) {
    inside_mapped_[static_cast<std::size_t>(c)] = true;
    // Lists that share a port make one group.
    std::unordered_map<std::int32_t, std::int32_t> up;
    auto root = [&](std::int32_t x) {
      for (auto it = up.find(x); it != up.end() && it->second != x; it = up.find(x)) x = it->second;
      return x;
    };
    for (const std::vector<std::string>& group : inside_joins_[static_cast<std::size_t>(c)]) {
      std::int32_t first = -1;
      for (const std::string& port : group) {
        // Named even where no pin uses it: it may link two lists.
        const std::int32_t id = body_.PortName(port);
        up.emplace(id, id);
        const std::int32_t r = root(id);
        if (first < 0) {
          first = r;
        } else if (r != first) {
          up[r] = first;
        }
      }
    }
    for (const auto& entry : up) inside_ports_.emplace(key(entry.first), root(entry.first));
  }
  auto it = inside_ports_.find(key(pin.port));
  return it == inside_ports_.end() ? -1 : it->second;
}

bool EdifReader::JoinNets(const Cell& cell, std::vector<std::vector<std::string>>& inside) {
  ReadInsideJoins(cell, inside);
  if (failed_) return false;
  // Nets on the ports an instance's cell joins inside are one net.
  bool any_inside = false;
  FindInstance("");  // every instance's cell known
  for (std::int32_t c : instance_cells_) {
    any_inside = any_inside || (c >= 0 && static_cast<std::size_t>(c) < inside_joins_.size() &&
                                !inside_joins_[static_cast<std::size_t>(c)].empty());
  }
  std::function<std::int32_t(const Pin&)> joined_port;
  if (any_inside) joined_port = [&](const Pin& p) { return InsideJoinedPort(p); };
  joined_nets_ +=
      JoinNetsSharingPins(netlist_, options_.vcc_to_vdd, first_join_, join_tables_, joined_port);
  return true;
}

}  // namespace kalvor
