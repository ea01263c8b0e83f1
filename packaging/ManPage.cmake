# Makes a manual page from a program's own --help and a page template.
#   cmake -DPROGRAM=<exe> -DTEMPLATE=<page.in> -DOUTPUT=<page> -DVERSION=<v> -P ManPage.cmake
# In the template @SYNOPSIS@ becomes the usage lines, @DESCRIPTION@ the program's own
# description line, @OPTIONS@ the sections of the help ("Options:", "commands:", ...) with
# their entries, @VERSION@ the version, @SECTIONS@ what the program's --man-sections prints.

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help failed (${status})")
endif()

# Text as roff reads it: backslashes, minus signs and a leading dot or quote escaped.
function(roff_text text out)
  string(REPLACE "{LB}" "[" text "${text}")
  string(REPLACE "{RB}" "]" text "${text}")
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Qt names the program as it was started; the page names it as the user types it.
get_filename_component(name "${PROGRAM}" NAME)
string(REPLACE "${PROGRAM}" "${name}" help "${help}")
# A list element keeps its semicolons inside square brackets: hide the brackets.
string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "[" "{LB}" help "${help}")
string(REPLACE "]" "{RB}" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(description "")
set(options "")
set(in_usage FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^[Uu]sage: (.*)$")
    roff_text("${CMAKE_MATCH_1}" text)
    string(APPEND synopsis ".nf\n${text}\n")
    set(in_usage TRUE)
  elseif(in_usage AND line MATCHES "^ +([^ ].*)$")
    roff_text("${CMAKE_MATCH_1}" text)
    string(APPEND synopsis "${text}\n")
  elseif(line STREQUAL "")
    set(in_usage FALSE)
  elseif(line MATCHES "^([^ ].*):$")
    set(in_usage FALSE)
    string(SUBSTRING "${CMAKE_MATCH_1}" 0 1 first)
    string(SUBSTRING "${CMAKE_MATCH_1}" 1 -1 rest)
    string(TOUPPER "${first}" first)
    string(APPEND options ".SS ${first}${rest}\n")
  elseif(line MATCHES "^        +([^ ].*)$")
    # A description carried on to the next line.
    roff_text("${CMAKE_MATCH_1}" text)
    string(APPEND options "${text}\n")
  elseif(line MATCHES "^  +([^ ]+( [^ ]+)*)  +([^ ].*)$")
    # An entry and its description.
    roff_text("${CMAKE_MATCH_1}" term)
    roff_text("${CMAKE_MATCH_3}" text)
    string(APPEND options ".TP\n\\fB${term}\\fR\n${text}\n")
  elseif(line MATCHES "^  +([^ ]+) ?(.*)$")
    # A command with its arguments.
    roff_text("${CMAKE_MATCH_1}" term)
    roff_text("${CMAKE_MATCH_2}" text)
    string(APPEND options ".TP\n.B ${term}\n${text}\n")
  else()
    roff_text("${line}" text)
    string(APPEND description "${text}\n")
  endif()
endforeach()
if(synopsis STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} --help shows no usage line")
endif()
string(APPEND synopsis ".fi")

# Sections the program makes itself from its own tables (@SECTIONS@, where the page has it).
set(SECTIONS "")
file(READ ${TEMPLATE} template)
if(template MATCHES "@SECTIONS@")
  execute_process(COMMAND ${PROGRAM} --man-sections OUTPUT_VARIABLE SECTIONS
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR SECTIONS STREQUAL "")
    message(FATAL_ERROR "${PROGRAM} --man-sections failed (${status})")
  endif()
endif()

set(SYNOPSIS "${synopsis}")
set(DESCRIPTION "${description}")
set(OPTIONS "${options}")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
