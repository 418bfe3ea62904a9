# The floors of the program. Each folder of src/ is one floor, built as its
# own library that links only the floors below it; a source file may include
# headers of its own floor and of the floors below, nothing else.
#
#   win32, posix      the front ends
#   commands          the command table, Run, the file commands
#   import vhdl spice toolchain   the features (none names another)
#   mac               the macro netlist format
#   netlist           the netlist model the importers fill and the writer reads
#   core              current design, settings, dialog models, progress,
#                     safe file replacement (names no feature)
#   platform          the seams: user interface, profile, shell, file system
#   text              line I/O, paths, strings
set(KALVOR_FLOOR_text text)
set(KALVOR_FLOOR_platform platform text)
set(KALVOR_FLOOR_core core platform text)
set(KALVOR_FLOOR_netlist netlist text)
set(KALVOR_FLOOR_mac mac netlist core platform text)
foreach(feature import vhdl spice toolchain)
  set(KALVOR_FLOOR_${feature} ${feature} mac netlist core platform text)
endforeach()
set(KALVOR_FLOOR_commands commands import vhdl spice toolchain mac netlist core platform text)
set(KALVOR_FLOOR_posix posix ${KALVOR_FLOOR_commands})
set(KALVOR_FLOOR_win32 win32 ${KALVOR_FLOOR_commands})
set(KALVOR_FLOORS text platform core netlist mac import vhdl spice toolchain commands posix win32)
