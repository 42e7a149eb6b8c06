# SPDX-License-Identifier: GPL-3.0-or-later
# Every header of ours is included with the folder it lives in
# ("core/fs/RemovalRun.h", "gui/shell/RemovalPage.h"), so a reader sees where
# a name comes from. Each library gets an include folder of its own that holds
# only its folders (links into the sources): a file finds the headers of the
# libraries it links and no others.
#
#   sw_named_headers(TARGET BASE FOLDER...)
#     BASE    the folder the names start from (src, tests)
#     FOLDER  the target's folders below BASE, as they are named in includes
function(sw_named_headers target base)
  set(root "${PROJECT_BINARY_DIR}/include/${target}")
  foreach(folder IN LISTS ARGN)
    cmake_path(GET folder PARENT_PATH parent)
    file(MAKE_DIRECTORY "${root}/${parent}")
    file(CREATE_LINK "${base}/${folder}" "${root}/${folder}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()
