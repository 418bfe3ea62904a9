# The floors of the program. Each folder of src/ is one floor, built as its
# own library that links only the floors below it; a source file may include
# headers of its own floor and of the floors below, nothing else.
#
#   win32, posix      the front ends
#   commands          the command table, Run, the file commands
#   edif vhdl spice toolchain   the features (none names another)
#   mac               the macro netlist format
#   core              current design, settings, dialog models, progress,
#                     safe file replacement (names no feature)
#   platform          the seams: user interface, profile, shell, file system
#   text              line I/O, paths, strings
set(KALVOR_FLOOR_text text)
set(KALVOR_FLOOR_platform platform text)
set(KALVOR_FLOOR_core core platform text)
set(KALVOR_FLOOR_mac mac core platform text)
foreach(feature edif vhdl spice toolchain)
  set(KALVOR_FLOOR_${feature} ${feature} mac core platform text)
endforeach()
set(KALVOR_FLOOR_commands commands edif vhdl spice toolchain mac core platform text)
set(KALVOR_FLOOR_posix posix ${KALVOR_FLOOR_commands})
set(KALVOR_FLOOR_win32 win32 ${KALVOR_FLOOR_commands})
set(KALVOR_FLOORS text platform core mac edif vhdl spice toolchain commands posix win32)
