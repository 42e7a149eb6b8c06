# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for sweepwright                          -*- shell-script -*-

_sweepwright()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    case $prev in
        --layout) COMPREPLY=($(compgen -W "freedesktop macos" -- "$cur")); return ;;
        --root | --home)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --open-result)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
    esac
    [[ $cur == -* ]] && COMPREPLY=($(compgen -W "--layout --root --home --open-result --help -h --version -V" -- "$cur"))
}
complete -F _sweepwright sweepwright
