# Writes the man page of kalvor from its --help text, the `kalvor help
# FUNCTION` text of each function and the template resources/kalvor.1.in, so
# that they always list the same functions and options.
#
#   cmake -DKALVOR=bin/kalvor -DTEMPLATE=resources/kalvor.1.in -DOUT=kalvor.1
#         -DVERSION=0.9.0 -P cmake/man_page.cmake
#
# How the help text is read: the first line is "usage: kalvor ...". A line at
# the margin ending in ":" starts a section ("Functions:"); "Heading: text" at
# the margin starts a section holding the text ("Exit status: ..."); other
# lines at the margin are paragraphs. A line indented by two blanks is an
# entry: its term, two or more blanks, its description. Lines indented deeper
# continue the entry.

cmake_minimum_required(VERSION 3.20)

execute_process(COMMAND "${KALVOR}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${KALVOR} --help failed: ${status}")
endif()

# `text` as roff text: backslashes printed as such, hyphens as the minus signs
# that options are typed with, no control character at the start.
function(roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Cuts `text` at the first `separator`: `head` is what stands before it,
# `tail` what follows (all of `text` and nothing when there is no separator).
function(cut text separator head tail)
  string(FIND "${text}" "${separator}" at)
  if(at EQUAL -1)
    set(${head} "${text}" PARENT_SCOPE)
    set(${tail} "" PARENT_SCOPE)
  else()
    string(SUBSTRING "${text}" 0 ${at} before)
    string(LENGTH "${separator}" length)
    math(EXPR at "${at} + ${length}")
    string(SUBSTRING "${text}" ${at} -1 after)
    set(${head} "${before}" PARENT_SCOPE)
    set(${tail} "${after}" PARENT_SCOPE)
  endif()
endfunction()

# Appends the roff of one help text to `body`. `function` is empty for the
# program's --help; for `kalvor help FUNCTION` it names the subsection, and
# "Heading: text" lines become bold-led paragraphs inside it.
macro(help_to_roff help function)
  set(_help "${help}")
  set(paragraph_ends OFF)
  string(REPLACE "\r" "" _help "${_help}")
  while(NOT _help STREQUAL "")
    cut("${_help}" "\n" line _help)

    if(line MATCHES "^usage: kalvor (.*)$")
      if(NOT "${function}" STREQUAL "")
        string(APPEND body ".SS ${function}\n")
        set(paragraph_ends OFF)
      else()
        # Upper-case words are what the user fills in.
        string(REGEX REPLACE "([A-Z][A-Z-]*[A-Z])" "@I@\\1@R@" args "${CMAKE_MATCH_1}")
        roff(args "${args}")
        string(REPLACE "@I@" "\\fI" args "${args}")
        string(REPLACE "@R@" "\\fR" args "${args}")
        set(synopsis ".B kalvor\n${args}")
      endif()
    elseif(line STREQUAL "")
      set(paragraph_ends ON)
    elseif(line MATCHES "^([^ ].*):$")
      if("${function}" STREQUAL "")
        string(TOUPPER "${CMAKE_MATCH_1}" heading)
        string(APPEND body ".SH ${heading}\n")
      else()
        string(APPEND body ".PP\n.B ${CMAKE_MATCH_1}:\n")
      endif()
      set(paragraph_ends OFF)
    elseif(line MATCHES "^([A-Z][A-Za-z ]*): (.+)$")
      set(heading "${CMAKE_MATCH_1}")
      roff(text "${CMAKE_MATCH_2}")
      if("${function}" STREQUAL "")
        string(TOUPPER "${heading}" heading)
        string(APPEND body ".SH ${heading}\n${text}\n")
      else()
        string(APPEND body ".PP\n\\fB${heading}:\\fR ${text}\n")
      endif()
      set(paragraph_ends OFF)
    elseif(line MATCHES "^[^ ]")
      if(paragraph_ends)
        string(APPEND body ".PP\n")
      endif()
      roff(text "${line}")
      string(APPEND body "${text}\n")
      set(paragraph_ends OFF)
    elseif(line MATCHES "^  [^ ]")
      string(SUBSTRING "${line}" 2 -1 entry)
      cut("${entry}" "  " term description)
      string(STRIP "${description}" description)
      roff(term "${term}")
      string(APPEND body ".TP\n\\fB${term}\\fR\n")
      if(NOT description STREQUAL "")
        roff(description "${description}")
        string(APPEND body "${description}\n")
      endif()
      set(paragraph_ends OFF)
    else()
      string(STRIP "${line}" line)
      roff(text "${line}")
      string(APPEND body "${text}\n")
    endif()
  endwhile()
endmacro()

set(synopsis "")
set(body "")
help_to_roff("${help}" "")

# A subsection per function: what it reads, writes and asks, from
# `kalvor help FUNCTION`.
string(APPEND body ".SH FUNCTION DETAILS\n")
string(REGEX MATCH "\nFunctions:\n(  [^\n]*\n)+" listing "${help}")
string(REGEX MATCHALL "\n  [a-z0-9-]+" names "${listing}")
foreach(name ${names})
  string(STRIP "${name}" name)
  if(name STREQUAL "select")
    continue()
  endif()
  execute_process(COMMAND "${KALVOR}" help ${name} OUTPUT_VARIABLE function_help
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${KALVOR} help ${name} failed: ${status}")
  endif()
  help_to_roff("${function_help}" "${name}")
endforeach()

if(synopsis STREQUAL "")
  message(FATAL_ERROR "${KALVOR} --help has no \"usage: kalvor\" line")
endif()
string(REGEX REPLACE "\n$" "" body "${body}")
file(READ "${TEMPLATE}" page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@SYNOPSIS@" "${synopsis}" page "${page}")
string(REPLACE "@HELP@" "${body}" page "${page}")
file(WRITE "${OUT}" "${page}")
