# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for sweepwright-cli                      -*- shell-script -*-

# The options of each command, as its --help lists them (a test compares).
_sweepwright_cli_options()
{
    local layout="--layout --root --home" common="--help -h --version -V"
    case $1 in
        junk) echo "--json --clean --yes --dry-run --admin --category --all --profile --older-than --keep-path $layout $common" ;;
        large) echo "--json --trash --yes --dry-run --older-than --keep-path $layout $common" ;;
        dups) echo "--json --csv --empty --quick --no-cache --clear-cache --keep --reference --trash-all-but-first --link --older-than --yes --dry-run --keep-path $layout $common" ;;
        apps) echo "--json --remove --with-data --yes --dry-run --keep-path $layout $common" ;;
        extensions) echo "--json --remove --yes --dry-run $layout $common" ;;
        login) echo "--json --all --on --off $layout $common" ;;
        memory) echo "--json --release $layout $common" ;;
        schedule) echo "--daily --weekly --monthly --off --json $common" ;;
        extract) echo "-C --password-file --password-stdin --encoding --list --json $common" ;;
        pdf) echo "--quality -o --yes --dry-run --password-stdin --json $common" ;;
        shred) echo "--overwrite --yes --dry-run --json --keep-path $layout $common" ;;
        history) echo "--json --put-back --yes --dry-run $layout $common" ;;
        tnef) echo "-C --verbose --debug --list --use-paths --absolute-paths --overwrite --interactive" \
            "--number-backups --save-body --body-name --mime --ignore-checksum --tolerate-props" \
            "--tolerate-trailer --unix-safe --maxsize --dry-run $common" ;;
    esac
}

_sweepwright_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="junk large dups apps extensions login memory extract pdf schedule shred history tnef"
    COMPREPLY=()
    # "--keep=ne" comes as "--keep" "=" "ne".
    if [[ $cur == = ]]; then
        cur=
    elif [[ $prev == = ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    fi
    if ((COMP_CWORD == 1)); then
        [[ $cur == -* ]] && commands="--help -h --version -V"
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        return
    fi
    local command=${COMP_WORDS[1]} i
    # After "--" every word is a path.
    for ((i = 2; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == -- ]]; then
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return
        fi
    done
    case $prev in
        --layout) COMPREPLY=($(compgen -W "freedesktop macos" -- "$cur")); return ;;
        --keep) COMPREPLY=($(compgen -W "original oldest newest shortest-path first" -- "$cur")); return ;;
        --link) COMPREPLY=($(compgen -W "hard reflink symbolic" -- "$cur")); return ;;
        --quality) COMPREPLY=($(compgen -W "0 1 2" -- "$cur")); return ;;
        --encoding) COMPREPLY=($(compgen -W "auto" -- "$cur")); return ;;
        --profile) COMPREPLY=($(compgen -W "scheduled" -- "$cur")); return ;;
        --category)
            COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" junk --help 2>/dev/null |
                sed -n 's/^ *\([0-9][0-9]*\) [* ] .*/\1/p')" -- "$cur"))
            return ;;
        --root | --home | -C)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --password-file | -o | --remove | --keep-path)
            if [[ $prev != --remove || $command == extensions ]]; then
                compopt -o filenames 2>/dev/null
                COMPREPLY=($(compgen -f -- "$cur"))
            fi
            return ;;
        --put-back)
            COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" history 2>/dev/null | sed -n 's/^\([0-9][0-9-]*\)  .*/\1/p')" -- "$cur"))
            return ;;
        --on | --off | --body-name | --maxsize | --older-than) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_sweepwright_cli_options "$command")" -- "$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    case $command in
        large | dups) COMPREPLY=($(compgen -d -- "$cur")) ;;
        extract | pdf | shred | tnef) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
}
complete -F _sweepwright_cli sweepwright-cli
