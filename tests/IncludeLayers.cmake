# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header its layer may not see. Every header of
# ours is named with its folder, so the rules read as folder names:
#   - no tool includes another tool (its engine in src/core/TOOL, its pages
#     in src/gui/TOOL), and an engine includes no page;
#   - what the tools share (the engines' foundations in src/core, the page
#     pieces in src/gui/shell, controls and preview) includes no tool;
#   - only the composition roots see several tools: the program
#     (src/gui/app), the command line (src/cli), the viewers plugin
#     (src/gui/viewers) and the preferences, which hold the tools' options.
# Run as: cmake -DSOURCE_DIR=<repo> -P <this>.
cmake_minimum_required(VERSION 3.25)
set(tools bigs dups extensions junk login mem pdf shreds toolbox uninst winmail)
list(JOIN tools "|" any_tool)

set(offences)
set(checked 0)
file(GLOB_RECURSE files "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp")
foreach(file IN LISTS files)
  file(RELATIVE_PATH path "${SOURCE_DIR}/src" "${file}")
  if(path MATCHES "^(gui/app|gui/viewers|gui/preference|cli)/")
    continue()
  endif()
  if(path MATCHES "^(core|gui)/(${any_tool})/")
    set(own "${CMAKE_MATCH_2}")
  else()
    set(own "")
  endif()
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
    math(EXPR checked "${checked} + 1")
    set(why "")
    if(path MATCHES "^core/" AND included MATCHES "^gui/")
      set(why "an engine includes a page")
    elseif(included MATCHES "^(core|gui)/(${any_tool})/" AND NOT CMAKE_MATCH_2 STREQUAL own)
      if(own)
        set(why "a tool includes another")
      else()
        set(why "a shared piece includes a tool")
      endif()
    endif()
    if(why)
      list(APPEND offences "${path}: ${included} (${why})")
    endif()
  endforeach()
endforeach()
if(checked EQUAL 0)
  message(FATAL_ERROR "no includes found below ${SOURCE_DIR}/src")
endif()
if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "includes across layers:\n  ${text}")
endif()
