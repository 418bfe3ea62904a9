#!/usr/bin/env python3
"""Writes the small EDIF netlists of tests/tools/netlists: each holds a form
that an import has to wire right (two-dimensional buses, ranges written
with "..", names that meet after conversion, letter-case variants, (name ...)
forms, symbols with two views, the design list first, port names of cells
with many ports that hash alike for different cells) and two copies laid
out as streams wrapped at 80 columns, one broken inside words, one at blanks
(a blank that falls right after column 80 is dropped). The connectivity
test compares every import with the netlist it came from (NAME.ref.edf for
the wrapped copies). Run from this directory; the output is deterministic."""


def leaf_cell():
    return """  (cell LEAF (cellType GENERIC)
   (view netlist (viewType NETLIST)
    (interface (port A (direction INPUT)) (port Y (direction OUTPUT))
     (port (array (rename bus "BUS[1:0]") 2) (direction INPUT)))))
"""


def names_netlist():
    """Buses with several index groups, a range that disagrees with the array
    size, ranges written with "..", bit names that meet other names."""
    ports = [
        ('(array (rename x_7_ "x[7][5:0]") 6)', "x_7_", 6),
        ('(array (rename t_0_ "t[0][3:0]") 4)', "t_0_", 4),
        ('(array (rename t_1_ "t[1][3:0]") 4)', "t_1_", 4),
        ('(array (rename b_7__0 "b[7]_0[1:0]") 2)', "b_7__0", 2),
        ('(array (rename d "D[7:0]") 4)', "d", 4),
        ('(array (rename e "E[3..0]") 4)', "e", 4),
        ('(array (rename f "F<0..1>") 2)', "f", 2),
        ("q1", "q1", 0),
        ('(array (rename q "q[1:0]") 2)', "q", 2),
        ("N_612_i", "N_612_i", 0),
        ("q1_2", "q1_2", 0),
    ]
    out = ["(edif names (edifVersion 2 0 0) (edifLevel 0) (keywordMap (keywordLevel 0))\n",
           " (library prims (edifLevel 0) (technology (numberDefinition))\n", leaf_cell(), " )\n",
           " (library work (edifLevel 0) (technology (numberDefinition))\n",
           "  (cell SUB (cellType GENERIC)\n   (view netlist (viewType NETLIST)\n    (interface\n"]
    for decl, _, _ in ports:
        out.append(f"     (port {decl} (direction INOUT))\n")
    out.append("    )\n    (contents\n")
    refs = []  # own port references, one LEAF instance per bit
    for decl, ident, size in ports:
        if size == 0:
            refs.append(f"(portRef {ident})")
        else:
            refs += [f"(portRef (member {ident} {m}))" for m in range(size)]
    for k in range(len(refs)):
        out.append(f"     (instance u{k} (viewRef netlist (cellRef LEAF (libraryRef prims))))\n")
    for k, ref in enumerate(refs):
        # Instance references in another letter case than declared.
        inst = f"U{k}" if k % 3 == 0 else f"u{k}"
        pin = "a" if k % 2 else "A"
        name = f"n{k}"
        if ref == "(portRef N_612_i)":
            name = "n_612_i"  # the port's name in other letters
        out.append(f"     (net {name} (joined {ref} (portRef {pin} (instanceRef {inst}))"
                   f" (portRef (member bus {k % 2}) (instanceRef u{(k + 1) % len(refs)}))))\n")
    # Nets whose own names meet header names: q1 (a port), q0 (bit 0 of q).
    out.append("     (net q1 (joined (portRef Y (instanceRef u0)) (portRef Y (instanceRef u1))))\n")
    out.append("     (net Q0 (joined (portRef Y (instanceRef u2)) (portRef Y (instanceRef u3))))\n")
    out.append("     (net NCX1 (joined (portRef Y (instanceRef u4)) (portRef Y (instanceRef u5))))\n")
    out.append("    )))\n")
    # A parent that wires the buses through by member.
    out.append("  (cell TOP (cellType GENERIC)\n   (view netlist (viewType NETLIST)\n    (interface\n")
    out.append('     (port (array (rename x "X[5:0]") 6) (direction INOUT)) (port (array (rename q "q[1:0]") 2)'
               ' (direction INOUT)) (port q1 (direction INOUT)))\n    (contents\n')
    out.append("     (instance s (viewRef netlist (cellRef SUB)))\n")
    for m in range(6):
        out.append(f"     (net (rename x_{m} \"x[{m}]\") (joined (portRef (member x {m}))"
                   f" (portRef (member X_7_ {5 - m}) (instanceRef S))))\n")
    out.append("     (net q_0 (joined (portRef (member q 1)) (portRef (member q 0) (instanceRef s))))\n")
    out.append("     (net q_1 (joined (portRef Q1) (portRef (member Q 1) (instanceRef s))"
               " (portRef q1 (instanceRef s))))\n")
    out.append("    )))\n )\n (design names (cellRef TOP (libraryRef work))))\n")
    return "".join(out)


def forms_netlist():
    """The design list first, (name ...) forms, a symbol with two views,
    identifiers referenced in other letter cases."""
    return """(edif forms (edifVersion 2 0 0) (edifLevel 0) (keywordMap (keywordLevel 0))
 (design (name forms) (cellRef TOP (libraryRef (name work))))
 (external symbols (edifLevel 0) (technology (numberDefinition))
  (cell BUF (cellType GENERIC)
   (view Normal (viewType NETLIST)
    (interface (port (name A) (direction INPUT)) (port (rename (name y) "Y") (direction OUTPUT))))
   (view Convert (viewType NETLIST)
    (interface (port A (direction INPUT)) (port y (direction OUTPUT))))))
 (library work (edifLevel 0) (technology (numberDefinition))
  (cell TOP (cellType GENERIC)
   (view (name netlist) (viewType NETLIST)
    (interface (port (name IN) (direction INPUT)) (port (rename (name out) "OUT") (direction OUTPUT))
     (port (array (rename (name bus) "BUS[3..0]") 4) (direction OUTPUT)))
    (contents
     (instance (name I1) (viewRef Normal (cellRef buf (libraryRef SYMBOLS))))
     (instance (rename (name i2) "I2") (viewRef Convert (cellRef BUF (libraryRef symbols))))
     (instance I3 (viewRef Normal (cellRef BUF (libraryRef symbols))))
     (instance I4 (viewRef Normal (cellRef BUF (libraryRef symbols))))
     (net (name n1) (joined (portRef in) (portRef a (instanceRef i1))))
     (net (rename (name n2) "N2") (joined (portRef Y (instanceRef I1)) (portRef A (instanceRef I2))
      (portRef A (instanceRef i3))))
     (net (name N3) (joined (portRef y (instanceRef I2)) (portRef OUT)))
     (net n4 (joined (portRef Y (instanceRef i3)) (portRef (member BUS 0)) (portRef A (instanceRef I4))))
     (net n5 (joined (portRef Y (instanceRef I4)) (portRef (member bus 3)))))))))
"""


def hash_ports_netlist(name, kind):
    """Cells of more than eight ports are looked up through one index for
    all cells, keyed by the cell's number and the port's name. Pairs of
    cells whose numbers differ in the bits two first letters differ in
    (0 and 6: "A3" and "G3"; 1 and 2: "B3" and "A3"; 3 and 7: "H1" and
    "L1"; 4 and 5: "Q2" and "P2") carry those two names; the earlier cell
    has the name far into its port list, the later one first and in a short
    list. kind "plain": scalar ports only; kind "bus": the earlier cell's
    name is a bus behind a dozen other buses, the later cell has no buses.
    TOP wires cell 2k's ports to cell 2k+1's, port by port, cell 6's
    first."""
    pairs = {0: "A3", 6: "G3", 1: "B3", 2: "A3", 3: "H1", 7: "L1", 4: "Q2", 5: "P2"}
    width = 12
    cells = []  # (name, [(port id, bits)])
    for c in range(8):
        early = c in (0, 1, 3, 4)
        fillers = [(f"F{c}_PORT_WITH_A_LONG_NAME_{k}", 0) for k in range(width - 1)]
        if kind == "bus" and early:
            fillers = [(f"F{c}_BUS{k}", 2) for k in range(width - 1)]
        key = (pairs[c], 2 if kind == "bus" and early else 0)
        cells.append((f"C{c}", fillers + [key] if early else [key] + [(f"F{c}_{k}", 0) for k in range(width - 1)]))
    out = [f"(edif {name} (edifVersion 2 0 0) (edifLevel 0) (keywordMap (keywordLevel 0))\n",
           " (library work (edifLevel 0) (technology (numberDefinition))\n"]
    for cell, ports in cells:
        out.append(f"  (cell {cell} (cellType GENERIC)\n   (view netlist (viewType NETLIST)\n    (interface\n")
        for port, bits in ports:
            decl = f"(array {port} {bits})" if bits else port
            out.append(f"     (port {decl} (direction INOUT))\n")
        out.append("    )))\n")
    out.append("  (cell TOP (cellType GENERIC)\n   (view netlist (viewType NETLIST)\n    (interface)\n"
               "    (contents\n")
    for c in range(8):
        out.append(f"     (instance u{c} (viewRef netlist (cellRef C{c})))\n")

    def refs(c):
        for port, bits in cells[c][1]:
            if bits:
                yield from (f"(portRef (member {port} {m}) (instanceRef u{c}))" for m in range(bits))
            else:
                yield f"(portRef {port} (instanceRef u{c}))"
    for c in (6, 0, 2, 4):
        for k, (a, b) in enumerate(zip(refs(c), refs(c + 1))):
            out.append(f"     (net n{c}_{k} (joined {a} {b}))\n")
    out.append("    )))\n )\n (design top (cellRef TOP (libraryRef work))))\n")
    return "".join(out)


def wrap_in_words(text):
    """One stream, no blank before "(", broken at exactly 80 columns, inside
    words and strings too."""
    stream = " ".join(text.split()).replace(" (", "(")
    return "\r\n".join(stream[i:i + 80] for i in range(0, len(stream), 80)) + "\r\n"


def wrap_at_blanks(text):
    """One stream broken at the last blank within 80 columns; the blank
    becomes the line end (so a blank right after column 80 leaves a line of
    exactly 80 characters)."""
    stream = " ".join(text.split())
    lines = []
    while len(stream) > 80:
        cut = stream.rfind(" ", 0, 81)
        if cut <= 0:
            cut = 80
            lines.append(stream[:cut])
            stream = stream[cut:]
        else:
            lines.append(stream[:cut])
            stream = stream[cut + 1:]
    lines.append(stream)
    return "\r\n".join(lines) + "\r\n"


def write(name, text):
    with open(name, "w", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    names = names_netlist()
    forms = forms_netlist()
    write("names.edf", names)
    write("forms.edf", forms)
    write("hash_ports.edf", hash_ports_netlist("hash_ports", "plain"))
    write("hash_ports_bus.edf", hash_ports_netlist("hash_ports_bus", "bus"))
    for base, text in (("names", names), ("forms", forms)):
        write(f"{base}_wrap_words.ref.edf", text)
        write(f"{base}_wrap_words.edf", wrap_in_words(text))
        write(f"{base}_wrap_blanks.ref.edf", text)
        write(f"{base}_wrap_blanks.edf", wrap_at_blanks(text))
