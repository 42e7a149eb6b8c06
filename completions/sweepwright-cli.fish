# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for sweepwright-cli. Each command's options are those its
# --help lists (a test compares).

set -l layout_commands junk large dups apps extensions login memory shred history
set -l removal_commands junk large dups apps extensions pdf shred history
set -l json_commands junk large dups apps extensions login memory extract pdf schedule shred history

function __sweepwright_cli_categories
    set -l program (commandline -opc)[1]
    $program junk --help 2>/dev/null | string replace -rf '^ *([0-9]+) [* ] *(.*)$' '$1\t$2'
end

complete -c sweepwright-cli -f
for command in \
    'junk	scan for junk files and list them, or remove them' \
    'large	list the files of 32 MB and more, or move them to the Trash' \
    'dups	list duplicate files, or move all copies but one to the Trash' \
    'apps	list the installed applications and their leftovers' \
    'extensions	list the add-ons by category, or remove some' \
    'login	list the applications started at login, or switch them' \
    'memory	show memory and disk use, or release memory' \
    'extract	extract an archive or a winmail.dat file' \
    'pdf	make a smaller copy of a PDF document' \
    'schedule	tell or set how often junk is cleaned automatically' \
    'shred	remove files and folders whole' \
    'history	list what every tool removed, or put it back' \
    'tnef	write the attachments and bodies of a winmail.dat file'
    set -l name_description (string split \t -- $command)
    complete -c sweepwright-cli -n __fish_use_subcommand -a $name_description[1] -d $name_description[2]
end

complete -c sweepwright-cli -s h -l help -d 'show the help'
complete -c sweepwright-cli -s V -l version -d 'show the version'

complete -c sweepwright-cli -n "__fish_seen_subcommand_from $layout_commands" -l layout -x -a 'freedesktop macos' -d 'where to look'
complete -c sweepwright-cli -n "__fish_seen_subcommand_from $layout_commands" -l root -x -a '(__fish_complete_directories)' -d 'the root the system folders are under'
complete -c sweepwright-cli -n "__fish_seen_subcommand_from $layout_commands" -l home -x -a '(__fish_complete_directories)' -d 'the home folder to look in'
complete -c sweepwright-cli -n "__fish_seen_subcommand_from $json_commands" -l json -d 'print one JSON object'
complete -c sweepwright-cli -n "__fish_seen_subcommand_from $removal_commands" -l yes -d 'act without asking'
complete -c sweepwright-cli -n "__fish_seen_subcommand_from $removal_commands tnef" -l dry-run -d 'show what would happen, and touch nothing'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk' -l clean -d 'remove the marked items after the scan'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk' -l admin -d 'also remove what only an administrator may'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk' -l category -x -a '(__sweepwright_cli_categories)' -d 'scan this category'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk' -l profile -x -a scheduled -d 'the categories chosen for the cleaning schedule'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk login' -l all -d 'every category, or every application'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from large' -l trash -d 'move every listed item to the Trash'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from large dups' -a '(__fish_complete_directories)'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l quick -d 'trust equal size and sampled digest'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l csv -d 'print the sets as CSV'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l empty -d 'list empty files, empty folders and broken links'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l no-cache -d 'read every file, keep no digests for the next scan'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l clear-cache -d 'forget the digests kept, scan nothing'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l keep -x -a 'original oldest newest shortest-path first' -d 'which copy of each set stays'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l reference -x -a '(__fish_complete_directories)' -d 'a folder of originals, never moved'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l trash-all-but-first -d 'move every copy but the one kept to the Trash'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from dups' -l link -x -a 'hard reflink symbolic' -d 'replace every copy but the one kept by a link to it'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk large dups' -l older-than -x -d 'only items older than this many days'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from apps' -l remove -x -d 'remove the ticked items of this application'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from apps' -l with-data -d "remove the user's data too"
complete -c sweepwright-cli -n '__fish_seen_subcommand_from junk large dups apps shred' -l keep-path -r -F -d 'leave this path alone in this run'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from extensions' -l remove -r -F -d 'remove the item of this path'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from login' -l on -x -d 'switch this application on at login'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from login' -l off -x -d 'switch this application off at login'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from memory' -l release -d 'release memory first'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from schedule' -l daily -d 'clean every day'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from schedule' -l weekly -d 'clean every week'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from schedule' -l monthly -d 'clean every month'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from schedule' -l off -d 'clean no more'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract tnef' -s C -x -a '(__fish_complete_directories)' -d 'write into this folder'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract' -l password-file -r -F -d 'read the password from this file'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract pdf' -l password-stdin -d 'read the password from standard input'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract' -l encoding -x -a auto -d 'the encoding of names that are not UTF-8'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract tnef' -l list -d 'list, and write nothing'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from pdf' -l quality -x -a '0\t"50 ppi" 1\t"150 ppi" 2\t"300 ppi"' -d 'how far images are brought down'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from pdf' -s o -r -F -d 'put the copy here'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from shred tnef' -l overwrite -d 'overwrite first'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from history' -l put-back -x -d 'put back what this run moved to the Trash'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l verbose -d 'print a line per file and the warnings'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l debug -d 'dump every attribute and property'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l use-paths -d 'keep the folders of Windows paths'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l absolute-paths -d 'with --use-paths, keep a leading separator'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l interactive -d 'ask before writing each file'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l number-backups -d 'write NAME.1, NAME.2 instead of skipping NAME'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l save-body -d 'save the bodies'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l body-name -x -d 'base name of the body files'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l mime -d 'also list the MIME type and content ID'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l ignore-checksum -d 'warn about a wrong checksum'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l tolerate-props -d 'drop a damaged property block'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l tolerate-trailer -d 'accept a trailing line end'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l unix-safe -d 'also escape non-ASCII bytes and shell characters'
complete -c sweepwright-cli -n '__fish_seen_subcommand_from tnef' -l maxsize -x -d 'refuse any allocation above this many bytes'

complete -c sweepwright-cli -n '__fish_seen_subcommand_from extract pdf shred tnef' -F
