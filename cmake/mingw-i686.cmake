# Cross-building the Windows program with the mingw-w64 compilers (i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# The 32-bit program may use the upper 2 GB of the address space that 64-bit
# Windows gives a large-address-aware program (4 GB in all).
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--large-address-aware")
