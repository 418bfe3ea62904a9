# Prints the connectivity of a macro file (written without a base file, so
# every referenced macro's header is in the file) in a form that does not
# depend on names of nets or on the order of ports, instances or nodes:
#   M|macro|ports|sorted own ports
#   M|macro|inst|instance cell
#   M|macro|net|sorted members (instance.port, @own-port, #0 or #1)
# Constants: the nodes GND and VDD, and nets joined to pin G of a GND cell
# or pin P of a VCC cell (as EDIF writers tie constants), are #0 and #1;
# those cells are left out. NCX nodes (unconnected) and nets of a single
# member are left out.
function flush(   n, k, key, list, m) {
  if (cur == "") return
  if (!((cur == "GND" && own == " G") || (cur == "VCC" && own == " P")))
    print "M|" cur "|ports|" sorted(own)
  for (key in members) {
    list = members[key]
    if (key ~ /^#/) list = list " " key
    if (key in tied) list = list " " tied[key]
    m = split(list, parts, " ")
    if (m < 2 && list !~ /#/) continue
    print "M|" cur "|net|" sorted(list)
  }
  delete members
  delete tied
  own = ""
}
function sorted(text,   n, i, j, a, t, out) {
  n = split(text, a, " ")
  for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
  out = ""
  for (i = 1; i <= n; i++) out = out (i > 1 ? " " : "") a[i]
  return out
}
function node_key(node) {
  if (node ~ /^NCX[0-9]+$/) return ""
  if (node == "GND" || node == "gnd" || node == "Gnd") return "#0"
  if (node == "VDD" || node == "vdd" || node == "Vdd") return "#1"
  return node
}
function add(node, member,   key) {
  key = node_key(node)
  if (key == "") return
  members[key] = members[key] (members[key] == "" ? "" : " ") member
}
function line_done(   n, w, i, inst, cell, pn, pw) {
  if (pending == "") return
  n = split(pending, w, " ")
  pending = ""
  if (w[1] == ".macro") {
    flush()
    cur = w[2]; header[cur] = ""
    for (i = 3; i <= n; i++) { header[cur] = header[cur] " " w[i]; own = own " " w[i]; add(w[i], "@" w[i]) }
    return
  }
  if (w[1] ~ /^</) {
    inst = substr(w[1], 2); cell = w[2]
    pn = split(header[cell], pw, " ")
    if ((cell == "GND" && pn == 1 && pw[1] == "G") || (cell == "VCC" && pn == 1 && pw[1] == "P")) {
      if (node_key(w[3]) != "") tied[node_key(w[3])] = cell == "GND" ? "#0" : "#1"
      return
    }
    print "M|" cur "|inst|" inst " " cell
    for (i = 3; i <= n; i++) add(w[i], inst "." pw[i - 2])
  }
}
{ sub(/\r$/, "") }
/^\+/ { pending = pending " " substr($0, 2); next }
{ line_done(); pending = $0 }
END { line_done(); flush() }
