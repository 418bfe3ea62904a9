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

# Pure files: the netlist model and every reader and writer. They include no
# user-interface, warnings or dialog header (nor the seam bundle or the main
# dialog's state, which carry the user interface); they hand back what they
# found and their caller tells the user. Globs relative to src/, matched in
# every folder below it; a folder that does not exist matches nothing.
set(KALVOR_PURE_FILES "netlist/*" "*_reader.*" "*_writer.*")
set(KALVOR_UI_HEADERS
  platform/ui.h platform/dialog.h platform/table_view.h platform/resource.h
  platform/platform.h core/state.h core/startup.h core/warnings.h core/dialogs.h
  core/titled_param_dialog.h core/main_dialog.h)

# Operating-system headers: only the front ends, the file layer and the
# large-page memory include them. An entry ending in "/" stands for every
# header under it.
set(KALVOR_OS_HEADERS
  windows.h windef.h winbase.h winuser.h shellapi.h commdlg.h commctrl.h shlobj.h
  objbase.h winsock2.h io.h direct.h process.h
  unistd.h fcntl.h dirent.h spawn.h signal.h fnmatch.h glob.h pwd.h dlfcn.h
  poll.h termios.h pthread.h libgen.h sys/)
set(KALVOR_OS_PLACES "posix/" "win32/" "text/file.cpp" "text/large_block.cpp"
  "platform/filesys.cpp")
