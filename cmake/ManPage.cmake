# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a manual page from a program's own --help and --version with
# help2man, so the page never says other than the program. The commands of
# a program with commands (COMMANDS) get a section of their own, from each
# command's --help. Run as:
#   cmake -DPROGRAM=<file> -DNAME=<one line> -DINCLUDE=<.h2m> -DOUTPUT=<.1>
#         [-DCOMMANDS=a,b,c] -P ManPage.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(folder "${PROGRAM}" DIRECTORY)
get_filename_component(program "${PROGRAM}" NAME)
# Run by its name from PATH, so the usage line names the program and not the
# build folder; the GUI program only prints, it needs no display.
set(ENV{PATH} "${folder}:$ENV{PATH}")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{LANGUAGE} "")

set(include "${OUTPUT}.h2m")
file(READ "${INCLUDE}" text)
# The page is named after the program as it is typed, whatever --version says.
string(PREPEND text "[NAME]\n${program} \\- ${NAME}\n\n")
if(COMMANDS)
  string(REPLACE "," ";" COMMANDS "${COMMANDS}")
  string(APPEND text "\n[COMMANDS]\n")
  foreach(command IN LISTS COMMANDS)
    execute_process(COMMAND "${program}" ${command} --help
      OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${program} ${command} --help failed: ${status}")
    endif()
    # roff: a line may not start with a dot or a quote, backslashes are escapes.
    string(REPLACE "\\" "\\e" help "${help}")
    string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "${help}")
    string(APPEND text ".SS ${command}\n.nf\n${help}\n.fi\n")
  endforeach()
endif()
file(WRITE "${include}" "${text}")

execute_process(COMMAND help2man --no-info --name=${NAME} --include=${include}
    --output=${OUTPUT} ${program}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${program}")
endif()
