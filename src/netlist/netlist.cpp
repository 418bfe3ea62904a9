#include "netlist/netlist.h"

#include <algorithm>
#include <functional>

#include "text/strings.h"

namespace kalvor {

Port& Cell::AddPort(std::string_view name, Port port) {
  port_text += ' ';
  port.name_at = static_cast<std::uint32_t>(port_text.size());
  port.name_size = static_cast<std::uint32_t>(name.size());
  port_text += name;
  ports.push_back(port);
  return ports.back();
}

std::string_view Cell::OriginalName(std::size_t k) const {
  const Port& port = ports[k];
  if (port.bit()) return buses[static_cast<std::size_t>(port.bus)].name;
  if (!port.renamed) return PortName(port);
  auto at = std::lower_bound(original_names.begin(), original_names.end(), k,
                             [](const auto& entry, std::size_t n) {
                               return static_cast<std::size_t>(entry.first) < n;
                             });
  return at->second;
}

void Body::Clear() {
  cell.clear();
  instances.clear();
  nets.clear();
  pins.clear();
  text.clear();
  cell_names.clear();
  cell_index_.Clear();
  original_names.clear();
  port_names.clear();
  names.Clear();
  port_index_.Clear();
  distinct_instances = false;
  ++generation;
}

std::int32_t Body::AddInstance(std::string_view name, std::int32_t cell) {
  instances.push_back({static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(name.size()), cell});
  text += name;
  return static_cast<std::int32_t>(instances.size() - 1);
}

std::int32_t Body::AddNet(std::string_view name) {
  nets.emplace_back();
  Rename(nets.back(), name);
  nets.back().first = static_cast<std::uint32_t>(pins.size());
  return static_cast<std::int32_t>(nets.size() - 1);
}

void Body::Rename(Net& net, std::string_view name) {
  // A name the text already holds (a reader's names moved into it) is
  // not copied again.
  const std::less<const char*> before;
  if (!name.empty() && !before(name.data(), text.data()) &&
      !before(text.data() + text.size(), name.data() + name.size())) {
    net.name_at = static_cast<std::uint32_t>(name.data() - text.data());
    net.name_size = static_cast<std::uint32_t>(name.size());
    return;
  }
  net.name_at = static_cast<std::uint32_t>(text.size());
  net.name_size = static_cast<std::uint32_t>(name.size());
  text += name;
}

void Body::AddPin(std::size_t n, Pin pin) {
  Net& net = nets[n];
  if (net.first + net.count != pins.size()) {
    const std::size_t at = pins.size();
    pins.resize(at + net.count);
    std::copy_n(pins.begin() + net.first, net.count, pins.begin() + static_cast<std::ptrdiff_t>(at));
    net.first = static_cast<std::uint32_t>(at);
  }
  pins.push_back(pin);
  ++net.count;
}

void Body::RemovePin(std::size_t n, std::size_t k) {
  Net& net = nets[n];
  auto from = pins.begin() + net.first + static_cast<std::ptrdiff_t>(k);
  std::copy(from + 1, pins.begin() + net.first + net.count, from);
  --net.count;
}

std::int32_t Body::CellName(std::string_view name) {
  const std::uint64_t h = HashName(name, false);
  std::int32_t at = cell_index_.Find(h, [&](std::int32_t k) { return cell_names[static_cast<std::size_t>(k)] == name; });
  if (at >= 0) return at;
  at = static_cast<std::int32_t>(cell_names.size());
  cell_names.emplace_back(name);
  cell_index_.Add(h, at);
  return at;
}

std::int32_t Body::PortName(std::string_view name) {
  std::int32_t at = FindPortName(name);
  if (at >= 0) return at;
  at = static_cast<std::int32_t>(port_names.size());
  port_names.emplace_back(name);
  port_index_.Add(HashName(name, false), at);
  return at;
}

std::int32_t Body::FindPortName(std::string_view name) const {
  return port_index_.Find(HashName(name, false), [&](std::int32_t at) {
    return port_names[static_cast<std::size_t>(at)] == name;
  });
}

std::string Body::PinText(const Pin& pin) const {
  const std::string& port = port_names[static_cast<std::size_t>(pin.port)];
  if (pin.instance < 0) return port;
  return std::string(Name(instances[static_cast<std::size_t>(pin.instance)])) + "<" + port;
}

void Netlist::Clear() {
  cells.clear();
  cell_index_.Clear();
  body.Clear();
  top.clear();
  diagnostics.clear();
}

std::int32_t Netlist::FindCell(std::string_view name) const {
  return cell_index_.Find(HashName(name, true), [&](std::int32_t at) {
    return EqualNoCase(cells[static_cast<std::size_t>(at)].name, name);
  });
}

Cell& Netlist::AddCell(Cell cell) {
  cell_index_.Add(HashName(cell.name, true), static_cast<std::int32_t>(cells.size()));
  cells.push_back(std::move(cell));
  return cells.back();
}

bool IsSupplyName(std::string_view name) {
  std::string_view list = kSupplyList;
  std::size_t at = list.find(name);
  return !name.empty() && name.find(' ') == std::string_view::npos && at != std::string_view::npos &&
         list[at - 1] == ' ' && list[at + name.size()] == ' ';
}

}  // namespace kalvor
