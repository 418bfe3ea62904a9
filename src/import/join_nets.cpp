#include "import/join_nets.h"

#include <algorithm>
#include <bit>
#include <unordered_map>

#include "import/netlist_reader.h"
#include "text/large_block.h"
#include "text/strings.h"

namespace kalvor {

long JoinNetsSharingPins(Netlist& netlist, bool vcc_to_vdd, std::string& first_join,
                         JoinTables& tables,
                         const std::function<std::int32_t(const Pin&)>& joined_port) {
  Body& body = netlist.body;
  std::vector<Net>& nets = body.nets;
  const std::vector<Pin>& pins = body.pins;
  if (nets.size() < 2) return 0;
  // Each pin and the first net it is on, in a table of at least twice as
  // many places as pins (key 0: a free place).
  const std::size_t size = std::bit_ceil(pins.size() * 2 + 2);
  const int shift = 64 - std::countr_zero(size);
  // Large pages for a large body's table (a fault per 2 MB, not per 4 KB).
  auto& keys = tables.keys;
  keys.assign(size, 0);
  // Read only where a key is: what the last cell left is not cleared.
  std::vector<std::int32_t>& first_nets = tables.first_nets;
  if (first_nets.size() < size) first_nets.resize(size);
  auto slot = [&](const Pin& p, std::int32_t n) {
    const std::uint64_t key =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.instance + 2)) << 32 |
        static_cast<std::uint32_t>(p.port);
    auto h = static_cast<std::size_t>((key * 0x9e3779b97f4a7c15ull) >> shift);
    while (keys[h] != 0 && keys[h] != key) h = (h + 1) & (size - 1);
    if (keys[h] == 0) {
      keys[h] = key;
      first_nets[h] = n;
    }
    return h;
  };
  // The nets of a group lead to its first net (made at the first shared pin).
  std::vector<std::int32_t> group;
  auto find = [&](std::int32_t n) {
    while (group[static_cast<std::size_t>(n)] != n) {
      const std::int32_t up = group[static_cast<std::size_t>(group[static_cast<std::size_t>(n)])];
      group[static_cast<std::size_t>(n)] = up;
      n = up;
    }
    return n;
  };
  // Makes one group of the nets of `a` and `b`; false if they were one.
  auto unite = [&](std::int32_t a, std::int32_t b) {
    if (group.empty()) {
      group.resize(nets.size());
      for (std::size_t k = 0; k < group.size(); ++k) group[k] = static_cast<std::int32_t>(k);
    }
    a = find(a);
    b = find(b);
    if (a == b) return false;
    group[static_cast<std::size_t>(std::max(a, b))] = std::min(a, b);
    return true;
  };
  // Pins of an instance whose cell joins their ports inside: the first net
  // on each such group of ports.
  std::unordered_map<std::uint64_t, std::int32_t> inside;
  long joined = 0;
  for (std::size_t n = 0; n < nets.size(); ++n) {
    const auto me = static_cast<std::int32_t>(n);
    for (const Pin& p : body.Pins(nets[n])) {
      if (p.instance == Pin::kUnknown) continue;
      if (joined_port && p.instance >= 0) {
        if (const std::int32_t port = joined_port(p); port >= 0) {
          const std::uint64_t key =
              static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.instance)) << 32 |
              static_cast<std::uint32_t>(port);
          auto [at, added] = inside.emplace(key, me);
          if (!added) unite(at->second, me);
        }
      }
      const std::int32_t earlier = first_nets[slot(p, me)];
      if (earlier == me) continue;
      if (!unite(earlier, me)) continue;
      // Nets of one name (a port of the cell on both) are one node already.
      if (EqualNoCase(body.Name(nets[n]), body.Name(nets[static_cast<std::size_t>(earlier)]))) continue;
      if (joined++ == 0 && first_join.empty()) {
        first_join = body.cell + ": " + std::string(body.Name(nets[n])) + " joined to " +
                     std::string(body.Name(nets[static_cast<std::size_t>(earlier)])) + " at " +
                     body.PinText(p);
      }
    }
  }
  if (group.empty()) return 0;
  // A group is named as the net the macro file must show: the first with a
  // pin of the cell itself (named after that port), else the first named
  // like a supply (global), else its first.
  auto rank = [&](std::size_t n) {
    for (const Pin& p : body.Pins(nets[n])) {
      if (p.instance == Pin::kOwn) return 2;
    }
    const std::string_view name = body.Name(nets[n]);
    return IsSupplyName(name) || (vcc_to_vdd && EqualNoCase(name, "VCC")) ? 1 : 0;
  };
  std::vector<std::int32_t> named(nets.size(), -1), next(nets.size(), -1), last(nets.size(), -1);
  std::vector<int> ranks(nets.size(), 0);
  for (std::size_t n = 0; n < nets.size(); ++n) {
    const auto first = static_cast<std::size_t>(find(static_cast<std::int32_t>(n)));
    ranks[n] = rank(n);
    if (named[first] < 0 || ranks[n] > ranks[static_cast<std::size_t>(named[first])]) {
      named[first] = static_cast<std::int32_t>(n);
    }
    if (last[first] >= 0) next[static_cast<std::size_t>(last[first])] = static_cast<std::int32_t>(n);
    last[first] = static_cast<std::int32_t>(n);
  }
  std::vector<Net>& merged = tables.nets;
  std::vector<Pin>& joined_pins = tables.pins;
  merged.clear();
  joined_pins.clear();
  joined_pins.reserve(pins.size());
  for (std::size_t n = 0; n < nets.size(); ++n) {
    if (find(static_cast<std::int32_t>(n)) != static_cast<std::int32_t>(n)) continue;
    const auto chosen = static_cast<std::size_t>(named[n]);
    Net net = nets[chosen];
    net.first = static_cast<std::uint32_t>(joined_pins.size());
    for (auto k = static_cast<std::int32_t>(n); k >= 0; k = next[static_cast<std::size_t>(k)]) {
      const Net& part = nets[static_cast<std::size_t>(k)];
      // Ports of the cell on another part's name are wired together.
      if (ranks[static_cast<std::size_t>(k)] == 2 && body.Name(part) != body.Name(net)) {
        NoteWiredTogether(netlist, body.cell, std::string(body.Name(net)), std::string(body.Name(part)));
      }
      for (const Pin& p : body.Pins(part)) {
        // A shared pin once, on the first part it is on.
        if (p.instance != Pin::kUnknown && first_nets[slot(p, k)] != k) continue;
        joined_pins.push_back(p);
      }
    }
    net.count = static_cast<std::uint32_t>(joined_pins.size()) - net.first;
    net.fanout = static_cast<std::int32_t>(net.count);
    merged.push_back(net);
  }
  // The body's old lists stay in `tables` for the next cell.
  nets.swap(merged);
  body.pins.swap(joined_pins);
  return joined;
}

}  // namespace kalvor
