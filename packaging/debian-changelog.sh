#!/usr/bin/env bash
# Writes the Debian package's changelog from CHANGELOG.md: one entry per release, newest
# first, its items as the entry's "*" lines (the "### Added", "### Fixed" groups run
# together, code quotes dropped), dated on the release's day in UTC. Debian wants each
# entry later than the one before, so the releases of one day are an hour apart, the first
# at midnight. What is under "## [Unreleased]" is not in any package yet and stays out.
# usage: debian-changelog.sh CHANGELOG.md PACKAGE "NAME <MAIL>" OUT
set -euo pipefail
changelog=$1 package=$2 maintainer=$3 out=$4

awk -v package="$package" -v maintainer="$maintainer" '
# The day of the week of a date, 0 for Sunday (Sakamoto).
function weekday(y, m, d,    t) {
    split("0 3 2 5 0 3 5 1 4 6 2 4", t, " ")
    if (m < 3) y--
    return (y + int(y / 4) - int(y / 100) + int(y / 400) + t[m] + d) % 7
}
# An item as "  * " lines of at most 78 characters, continued four blanks in.
function put_item(text,    words, n, i, line) {
    gsub(/`/, "", text)
    n = split(text, words, /[ \t]+/)
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (words[i] == "") continue
        if (length(line) + 1 + length(words[i]) > 78 && line != "  *" && line != "   ") {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
}
function end_item() {
    if (item != "") put_item(item)
    item = ""
}
function end_release() {
    end_item()
    if (version == "") return
    if (items == 0) {
        print "CHANGELOG.md: the release " version " has no entries" > "/dev/stderr"
        failed = 1
    }
    split(date, ymd, "-")
    printf "\n -- %s  %s, %s %s %s %02d:00:00 +0000\n", maintainer, days[weekday(ymd[1] + 0, ymd[2] + 0, ymd[3] + 0) + 1],
           ymd[3], months[ymd[2] + 0], ymd[1], --releases_on[date]
    version = ""
}
BEGIN {
    split("Sun Mon Tue Wed Thu Fri Sat", days, " ")
    split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ")
    release_heading = "^## \\[[0-9]+\\.[0-9]+\\.[0-9]+\\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$"
}
# The first reading counts the releases of each day.
NR == FNR {
    if ($0 ~ release_heading) releases_on[$4]++
    next
}
/^## / {
    end_release()
    if ($0 ~ release_heading) {
        version = substr($2, 2, length($2) - 2)
        date = $4
        items = 0
        if (entries++) print ""
        printf "%s (%s) unstable; urgency=medium\n\n", package, version
    }
    next
}
version == "" { next }
/^- / { end_item(); item = substr($0, 3); items++; next }
/^  +[^ ]/ && item != "" { item = item " " $0; next }
{ end_item() }
END {
    end_release()
    if (entries == 0) { print "CHANGELOG.md names no release" > "/dev/stderr"; exit 1 }
    exit failed
}
' "$changelog" "$changelog" >"$out.tmp"
mv "$out.tmp" "$out"
