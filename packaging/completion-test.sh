#!/usr/bin/env bash
# Keeps the bash completion and the man page of lumoscope-cli in step with the program:
# every subcommand and option that `lumoscope-cli --help` lists must be in both, and the
# completion must offer nothing the program no longer has.
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
words() { tr ' ' '\n' | grep -v '^$' | sort -u; }
# The man page with roff's escaped hyphens as plain ones.
man_text=$(sed 's/\\-/-/g' "$manpage")

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
done

if ((failures > 0)); then
    echo "$failures difference(s) between lumoscope-cli --help and its completion or man page" >&2
    exit 1
fi
echo "completion and man page match lumoscope-cli --help ($(wc -w <<<"$commands") subcommands)"
