# Writes the man page of kalvor from its --help text and the template
# resources/kalvor.1.in, so that the two always list the same functions and
# options.
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

set(synopsis "")
set(body "")
set(paragraph_ends OFF)
string(REPLACE "\r" "" help "${help}")
while(NOT help STREQUAL "")
  cut("${help}" "\n" line help)

  if(line MATCHES "^usage: kalvor (.*)$")
    # Upper-case words are what the user fills in.
    string(REGEX REPLACE "([A-Z][A-Z-]*[A-Z])" "@I@\\1@R@" args "${CMAKE_MATCH_1}")
    roff(args "${args}")
    string(REPLACE "@I@" "\\fI" args "${args}")
    string(REPLACE "@R@" "\\fR" args "${args}")
    set(synopsis ".B kalvor\n${args}")
  elseif(line STREQUAL "")
    set(paragraph_ends ON)
  elseif(line MATCHES "^([^ ].*):$")
    string(TOUPPER "${CMAKE_MATCH_1}" heading)
    string(APPEND body ".SH ${heading}\n")
    set(paragraph_ends OFF)
  elseif(line MATCHES "^([A-Z][A-Za-z ]*): (.+)$")
    string(TOUPPER "${CMAKE_MATCH_1}" heading)
    roff(text "${CMAKE_MATCH_2}")
    string(APPEND body ".SH ${heading}\n${text}\n")
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

if(synopsis STREQUAL "")
  message(FATAL_ERROR "${KALVOR} --help has no \"usage: kalvor\" line")
endif()
string(REGEX REPLACE "\n$" "" body "${body}")
file(READ "${TEMPLATE}" page)
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
string(REPLACE "@SYNOPSIS@" "${synopsis}" page "${page}")
string(REPLACE "@HELP@" "${body}" page "${page}")
file(WRITE "${OUT}" "${page}")
