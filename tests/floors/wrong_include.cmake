# Lays out a small source tree in which the file FILE (default probe.cpp) of
# folder FLOOR includes HEADER, then runs the floor check on it: the check
# must stop and name the line. A HEADER in angle brackets is included so.
#   cmake -DFLOOR=text -DHEADER=core/state.h -DWORK=<dir> -P wrong_include.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT FILE)
  set(FILE probe.cpp)
endif()
if(NOT HEADER MATCHES "^<")
  set(HEADER "\"${HEADER}\"")
endif()
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/src/${FLOOR}/${FILE} "#include \"${FLOOR}/probe.h\"\n#include ${HEADER}\n")
file(WRITE ${WORK}/src/${FLOOR}/probe.h "#pragma once\n")
set(SRC ${WORK}/src)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/check_floors.cmake)
