# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for sweepwright, the window program.

complete -c sweepwright -f
complete -c sweepwright -s h -l help -d 'show the help'
complete -c sweepwright -s V -l version -d 'show the version'
complete -c sweepwright -l layout -x -a 'freedesktop macos' -d 'where to look'
complete -c sweepwright -l root -x -a '(__fish_complete_directories)' -d 'the root the system folders are under'
complete -c sweepwright -l home -x -a '(__fish_complete_directories)' -d 'the home folder to look in'
complete -c sweepwright -l open-result -r -F -d 'open a saved duplicate result'
