#!/bin/sh
# Makes the Debian package twice, from two clones of the last commit in two
# folders, and checks it as a user and a Debian maintainer would meet it,
# unpacked with dpkg -x into a scratch root (nothing is installed on the
# machine):
#  - the two .deb files are the same, byte for byte; every file time is the
#    commit's; the members are xz-compressed;
#  - the files, no RUNPATH, the dependencies and the version in one place;
#    Recommends is wordnet alone, Built-Using the installed wine and scowl;
#  - the desktop entry, the AppStream metadata (no tags, pedantic), the
#    licences it gives are the copyright file's, the manual page, the notices;
#  - lintian finds nothing, pedantic and experimental tags included;
#  - --help, --version, a bad option and no display, on the command line;
#  - started from its desktop entry under Xvfb, the main window shows with
#    the entry's window class, and the chart module is found beside it.
# It checks the last commit: changes not committed are not in the package.
# Usage: package.sh SOURCE_DIR
set -u
src=$(realpath "$1")
need() { # tool, Debian package
    command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed (package $2)"; exit 77; }
}
need git git
need cmake cmake
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need readelf binutils
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
need lintian lintian
need Xvfb xvfb
need openbox openbox
need xdotool xdotool
need wmctrl wmctrl
[ -d /usr/share/dict/scowl ] || { echo "skipped: the package checks its word list against scowl, not installed"; exit 77; }
commit=$(git -C "$src" rev-parse HEAD 2>/dev/null) || { echo "skipped: $src is not a git checkout"; exit 77; }

work=$(mktemp -d)
pids=""
cleanup() {
    for p in $pids; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
passed=0
fail() { echo "FAIL: $*"; echo "$passed passed, 1 failed"; exit 1; }
ok() { passed=$((passed + 1)); echo "ok: $*"; }

[ -z "$(git -C "$src" status --porcelain --untracked-files=no)" ] ||
    echo "note: there are changes not committed; the package is made from commit $commit"
# Two folders of different names and depths, as two people's would be. The
# compilers' temporary files go to the scratch folder.
mkdir "$work/buildtmp"
debs=""
for dir in "$work/one/golexorb" "$work/the/second/clone"; do
    start=$(date +%s)
    git clone -q --local --no-checkout "$src" "$dir" && git -C "$dir" checkout -q "$commit" ||
        fail "cannot clone $src at $commit"
    log=$dir.log
    TMPDIR="$work/buildtmp" cmake -S "$dir" -B "$dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$log" 2>&1 &&
        TMPDIR="$work/buildtmp" cmake --build "$dir/build" -j 2 --target package >>"$log" 2>&1 ||
        { tail -n 30 "$log"; fail "the package was not made in $dir"; }
    set -- "$dir"/build/golexorb_*.deb
    [ $# -eq 1 ] && [ -f "$1" ] || fail "expected one package in $dir/build, found: $*"
    echo "made $(basename "$1") in $dir in $(($(date +%s) - start)) s"
    debs="$debs $1"
done
# shellcheck disable=SC2086 # two paths without spaces
set -- $debs
deb=$1
if ! cmp "$1" "$2"; then
    for d in "$1" "$2"; do dpkg-deb -e "$d" "$d.control"; dpkg-deb --fsys-tarfile "$d" | tar -tv --full-time >"$d.list"; done
    diff "$1.control/md5sums" "$2.control/md5sums"
    diff "$1.list" "$2.list" | head -n 20
    fail "two builds of $commit differ"
fi
[ "$(ar t "$deb" | tr '\n' ' ')" = "debian-binary control.tar.xz data.tar.xz " ] || fail "members: $(ar t "$deb")"
when=$(date -u -d "@$(git -C "$src" log -1 --format=%ct "$commit")" '+%Y-%m-%d %H:%M:%S')
times=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{ print $4 " " $5 }' | sort -u)
[ "$times" = "$when" ] || fail "file times are not the commit's ($when): $times"
ok "two clones give the same package, byte for byte (sha256 $(sha256sum "$deb" | cut -d " " -f 1)), xz, every file time $when"

version=$(dpkg-deb -f "$deb" Version)
root=$work/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
arch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
game=$root/usr/games/golexorb
module=$root/usr/lib/$arch/golexorb/golexorb-progress.so
lookup=$root/usr/libexec/golexorb/golexorb-wordnet
desktop=$(ls "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
copyright=$root/usr/share/doc/golexorb/copyright

# The files a desktop and Debian expect.
for f in "$game" "$module" "$lookup" "$metainfo" "$root/usr/share/man/man6/golexorb.6.gz" \
         "$root/usr/share/doc/golexorb/copyright" "$root/usr/share/doc/golexorb/changelog.gz"; do
    [ -f "$f" ] || fail "${f#"$root"} is not in the package"
done
for s in 16 32 48 64 128 256 512; do
    [ -f "$root/usr/share/icons/hicolor/${s}x$s/apps/golexorb.png" ] || fail "no ${s}x$s icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/golexorb.svg" ] || fail "no scalable icon"
ok "files"
for f in "$game" "$module" "$lookup"; do
    ! readelf -d "$f" | grep -qE 'R(UN)?PATH' || fail "${f#"$root"} has a RUNPATH: $(readelf -d "$f" | grep -E 'R(UN)?PATH')"
    readelf -d "$f" | grep -q 'BIND_NOW' || fail "${f#"$root"} is not built with the hardening flags (no BIND_NOW)"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6charts6 libc6 libmosquitto1 libsodium23; do
    echo "$depends" | grep -q "\b$d\b" || fail "Depends lacks $d (dpkg-shlibdeps): $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = wordnet ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends), not wordnet alone"
# mosquitto, for "Host on this computer", and the board languages' word lists.
suggests=$(dpkg-deb -f "$deb" Suggests)
for s in mosquitto wngerman hunspell-es wpolish wbrazilian; do
    echo "$suggests" | grep -q "\b$s\b" || fail "Suggests: $suggests, without $s"
done
using=$(dpkg-query -W -f '${source:Package} (= ${source:Version}), ' fonts-wine scowl)
[ "$(dpkg-deb -f "$deb" Built-Using)" = "${using%, }" ] || fail "Built-Using: $(dpkg-deb -f "$deb" Built-Using), installed: $using"
ok "no RUNPATH, hardened; Depends: $depends; Built-Using: ${using%, }"
# The WordNet lookup program answers as the game asks it.
if [ -f /usr/share/wordnet/data.noun ]; then
    answer=$(printf 'quiz\n' | timeout 20 "$lookup" --serve | tail -n 1)
    [ "$answer" = "$(printf 'done\tfound\t\t')" ] || fail "the lookup program answered '$answer' for quiz"
    ok "the lookup program finds quiz"
fi

# The metadata: valid, and saying the same as the package.
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'StartupWMClass=golexorb' "$desktop" || fail "the desktop entry has no StartupWMClass=golexorb"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the entry's icon $icon is not in the package"
grep -qx 'TryExec=golexorb' "$desktop" || fail "the desktop entry has no TryExec=golexorb"
appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1
st=$?
cat "$work/appstream.log"
[ $st -eq 0 ] && ! grep -q '^[EWIP]: ' "$work/appstream.log" || fail "appstreamcli validate --pedantic has tags"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another desktop entry than $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
for language in de es fr it nl pt sv; do
    grep -q "<lang percentage=\"100\">$language</lang>" "$metainfo" || fail "metainfo does not list the language $language"
done
ok "desktop entry and metainfo"
man=$(gzip -dc "$root/usr/share/man/man6/golexorb.6.gz") || fail "the manual page does not unpack"
echo "$man" | grep -q "^\.TH GOLEXORB 6 .*golexorb $version" || fail "the manual page's title line lacks version $version"
for notice in 'copyright-format/1.0' 'Kevin Atkinson' 'Princeton University' 'Geoff Kuenning' \
              'CC-BY-4.0' 'Titus Wormer' 'Larry Snyder' 'Bitstream' 'Huw D M Davies' 'LGPL-2.1' 'Expat' \
              'Section 8 -- Interpretation' '^Upstream-Contact: .*<[^@ ]*@[^@ ]*>'; do
    grep -q "$notice" "$copyright" || fail "copyright lacks '$notice'"
done
# The licences of the copyright file, by their SPDX identifiers, in order,
# are the metadata's project licence.
spdx=$(sed -n 's/^License: //p' "$copyright" | sed 's/ and /\n/g' | awk '!seen[$0]++' |
    sed 's/^Expat$/MIT/; s/^LGPL-2\.1+$/LGPL-2.1-or-later/; s/^SCOWL$\|^WordNet-1\.6$\|^BSD-like-Kuenning$/LicenseRef-&/' |
    paste -s -d '|' | sed 's/|/ AND /g')
project=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
[ "$project" = "$spdx" ] || fail "project_license is '$project'; the copyright file's licences are '$spdx'"
ok "manual page and notices; project_license: $project"

# lintian leaves a file of its own in the temporary folder: the scratch one.
TMPDIR="$work" lintian -EIL +pedantic --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
grep -v 'running with root privileges' "$work/lintian.log"
# lintian reads every byte run of a program as text, machine code included,
# where any change of the code can spell a word it checks ("wTH"). Such a
# tag counts only when the word stands in the program's data: its strings,
# as a word of its own (the "mor" of machine code is no fault of "more").
noise=""
while read -r word file; do
    objcopy -O binary --only-section=.rodata --only-section=.data "$root/$file" "$work/strings.bin" 2>/dev/null
    if grep -qawF -- "$word" "$work/strings.bin"; then
        fail "lintian: '$word' misspelt in the strings of $file"
    fi
    noise="$noise $word"
done <<EOF_SPELLING
$(sed -n 's/^I: golexorb: spelling-error-in-binary \([^ ]*\) .* \[\(.*\)\]$/\1 \2/p' "$work/lintian.log")
EOF_SPELLING
! grep -v 'spelling-error-in-binary' "$work/lintian.log" | grep -q '^[A-Z]: ' || fail "lintian reports tags"
ok "lintian -EIL +pedantic: no tags${noise:+ (but words in machine code:$noise)}"

# The command line, without any display: it must never start the game.
runs() { # expected status, stdout file, stderr file, arguments...
    want=$1 out=$2 err=$3; shift 3
    timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work" TMPDIR="$work" \
        "$game" "$@" >"$out" 2>"$err"
    st=$?
    [ "$st" = "$want" ] || fail "golexorb $* exited with $st, not $want; stderr: $(cat "$err")"
}
runs 0 "$work/o" "$work/e" --version
[ "$(cat "$work/o")" = "golexorb $version" ] || fail "--version says '$(cat "$work/o")', the package is $version"
runs 0 "$work/o" "$work/e" --help
for option in --help --version; do
    grep -q -- "$option" "$work/o" || fail "--help does not list $option"
    echo "$man" | grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" || fail "the manual page does not list $option"
done
# The translations travel inside the program.
runs 0 "$work/o" "$work/e" --ui-language de --help
grep -q "gegen die Uhr" "$work/o" || fail "--ui-language de --help is not in German: $(head -2 "$work/o")"
runs 2 "$work/o" "$work/e" --no-such-option
[ ! -s "$work/o" ] && grep -q 'no-such-option' "$work/e" || fail "a bad option is not reported on standard error"
runs 2 "$work/o" "$work/e" -platform offscreen --no-such-option
runs 1 "$work/o" "$work/e"
[ "$(wc -l <"$work/e")" -eq 1 ] || fail "without a display it should say so in one line, said: $(cat "$work/e")"
ok "--help, --version, a bad option, no display: $(cat "$work/e")"

# Started from its desktop entry, on a real X server with a window manager.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 & pids="$pids $!"
i=0; until [ -s "$work/display" ]; do i=$((i + 1)); [ $i -gt 100 ] && fail "Xvfb did not start"; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 & pids="$pids $!"
i=0; until wmctrl -m >/dev/null 2>&1; do i=$((i + 1)); [ $i -gt 100 ] && fail "the window manager did not start"; sleep 0.1; done
mkdir -m 700 "$work/run" "$work/home" "$work/tmp"
# The entry's own Exec, not those of its actions' groups.
exec_line=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')
# shellcheck disable=SC2086 # the entry's command line, split as a launcher would
# Its temporary word list goes to the scratch folder, which goes at the end
# with whatever a killed game leaves there.
(cd "$work" && PATH="$root/usr/games:$PATH" XDG_RUNTIME_DIR="$work/run" HOME="$work/home" \
    XDG_DATA_HOME="$work/home/data" TMPDIR="$work/tmp" QT_QPA_PLATFORM= exec $exec_line >"$work/game.log" 2>&1) &
app=$!; pids="$pids $app"
waitfor() { # title; prints the window id
    i=0
    until w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$w" ]; do
        i=$((i + 1)); [ $i -gt 300 ] && return 1
        kill -0 $app 2>/dev/null || return 1
        sleep 0.1
    done
    echo "$w"
}
win=$(waitfor "Go LEXORB") || fail "the main window did not show; the game said: $(cat "$work/game.log")"
xdotool search --onlyvisible --class '^golexorb$' | grep -qx "$win" || fail "the window's class is not golexorb (StartupWMClass)"
ok "started from the desktop entry: the main window shows"

# A one-minute round ended at once, its results, All Words and the chart:
# the module is found beside the installed program.
xdotool windowactivate --sync "$win" key Down F2 F3 F4 >/dev/null 2>&1
results=$(waitfor "Results") || fail "no results window"
xdotool windowactivate --sync "$results" key F5 >/dev/null 2>&1
allwords=$(waitfor "All Words") || fail "no All Words window"
xdotool windowactivate --sync "$allwords" key ctrl+g >/dev/null 2>&1
waitfor "Progress" >/dev/null || fail "no Progress window: the chart module was not found; the game said: $(cat "$work/game.log")"
ok "the chart module loads from the package"
echo "$passed passed, 0 failed"
