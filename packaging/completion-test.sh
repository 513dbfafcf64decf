#!/usr/bin/env bash
# Keeps the bash completion and the man page of lumoscope-cli in step with the program:
# every subcommand and option that `lumoscope-cli --help` lists must be in both, the
# completion must offer nothing the program no longer has, and the synopsis of each
# command in the man page (as groff renders it) must name every option and argument of
# the command's --help.
# usage: completion-test.sh LUMOSCOPE-CLI COMPLETION-FILE MAN-PAGE
set -uo pipefail
cli=$1 completion=$2 manpage=$3
# shellcheck source=lumoscope-cli.bash-completion
source "$completion"

# The option names of a help text: the first word of each option line, "-o,--output" split.
help_options() {
    "$cli" "$@" --help | awk '/^  -/ { print $1 }' | tr ',' '\n' | grep -vxE -- '-h|--help' | sort -u
}
help_commands() {
    "$cli" --help | awk '/^Subcommands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }' | sort -u
}
# An option's names as one word ("-o,--output"), and the positional arguments' names.
help_option_names() {
    "$cli" "$@" --help | awk '/^  -/ { print $1 }' | grep -vxE -- '-h,--help'
}
help_positionals() {
    "$cli" "$1" --help | awk '/^Positionals:/ { on = 1; next } /^[^ ]/ { on = 0 } on && /^  [A-Z]/ { print $1 }'
}
words() { tr ' ' '\n' | grep -v '^$' | sort -u; }
# The man page with roff's escaped hyphens as plain ones, and the synopses of its commands
# as a reader sees them: the tag lines of the entries under COMMANDS.
man_text=$(sed 's/\\-/-/g' "$manpage")
synopses=$(groff -man -Tascii -rLL=1000n -P-cbou "$manpage" 2>/dev/null |
    sed -n '/^COMMANDS/,/^OPTIONS/p' | grep -E '^       [a-z]')

failures=0
complain() {
    echo "$*" >&2
    failures=$((failures + 1))
}
# compare WHAT EXPECTED ACTUAL FIX: reports what is missing from and extra in ACTUAL.
compare() {
    local what=$1 expected=$2 actual=$3 fix=$4 missing extra
    missing=$(comm -23 <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | paste -sd ' ' -)
    extra=$(comm -13 <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | paste -sd ' ' -)
    [[ -n $missing ]] && complain "$what: lumoscope-cli has '$missing' but the completion does not. $fix"
    [[ -n $extra ]] && complain "$what: the completion offers '$extra' but lumoscope-cli has no such thing. $fix"
}

commands=$(help_commands)
compare "subcommands" "$commands" "$(_lumoscope_cli_commands | words)" \
    "Update _lumoscope_cli_commands in $completion."
compare "options of lumoscope-cli" "$(help_options)" "$(_lumoscope_cli_options_of "" | words)" \
    "Update the \"\" entry of _lumoscope_cli_options_of in $completion."
for command in $commands; do
    compare "options of '$command'" "$(help_options "$command")" "$(_lumoscope_cli_options_of "$command" | words)" \
        "Update the '$command' entry of _lumoscope_cli_options_of in $completion."
    # An entry is a .TP paragraph whose tag begins with the subcommand.
    grep -A1 '^\.TP' <<<"$man_text" | grep -qE "^\.B[IR]? $command( |$)" ||
        complain "subcommand '$command' has no entry under COMMANDS in $manpage; add one."
    for option in $(help_options "$command"); do
        grep -qF -- "$option" <<<"$man_text" || complain "option $option of '$command' is not described in $manpage; add it."
    done
    synopsis=$(grep -E "^       $command( |$)" <<<"$synopses" | head -n 1)
    for names in $(help_option_names "$command"); do
        found=
        for name in ${names//,/ }; do
            grep -qE -- "(^|[^-a-z])$name([^-a-z]|$)" <<<"$synopsis" && found=1
        done
        [[ -n $found ]] || complain "the synopsis of '$command' in $manpage lacks ${names//,/ or }: $synopsis"
    done
    for argument in $(help_positionals "$command"); do
        grep -qE -- "(^|[ [(|])$argument(\.[a-z]+)?(\.\.\.)?( |$|]|\|)" <<<"$synopsis" ||
            complain "the synopsis of '$command' in $manpage lacks the argument $argument: $synopsis"
    done
done

if ((failures > 0)); then
    echo "$failures difference(s) between lumoscope-cli --help and its completion or man page" >&2
    exit 1
fi
echo "completion and man page match lumoscope-cli --help ($(wc -w <<<"$commands") subcommands)"
