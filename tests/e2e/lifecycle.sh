#!/bin/sh
# Runs the real game in a real X window (Xvfb with a window manager) and checks
# what a player and the file system see of its start-up and shutdown:
#  - closing the window ends the program with status 0;
#  - the temporary copy of the word list and its folder are gone afterwards;
#  - a file named dic.bin in the working directory is left untouched;
#  - two copies can run from one folder at once;
#  - with an unusable temporary folder an error window shows and the status is not 0;
#  - SIGTERM, SIGHUP and SIGINT close it as the window's close does, and it
#    ends by that signal;
#  - what a run killed with SIGKILL left is cleared when the next one starts;
#  - a temporary folder that cannot be removed is said on standard error;
#  - -display names the X server when DISPLAY is not set;
#  - a chart module cut short, or lacking its entry point, is said so in a
#    message and the game plays on;
#  - no sanitizer reports anything (in a checking build).
# Usage: lifecycle.sh GAME_BINARY
set -u
game=$(realpath "$1")
for tool in Xvfb openbox xdotool wmctrl; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=""
cleanup() {
    for p in $pids; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
cases=0
fail() { echo "FAIL: $*"; diagnose; echo "$cases passed, 1 failed"; exit 1; }

# What was on the screen and in the logs when a check failed, so that a
# failure on another machine can be understood from its output alone.
watched=""
diagnose() {
    echo "--- window manager: $(wmctrl -m 2>&1 | head -n 1)"
    echo "--- windows:"
    for w in $(xdotool search --name . 2>/dev/null); do
        echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)'"
    done
    for p in $watched; do
        kill -0 "$p" 2>/dev/null || continue
        echo "--- process $p: $(grep '^State' /proc/"$p"/status 2>/dev/null)"
        command -v gdb >/dev/null 2>&1 &&
            timeout 30 gdb -batch -nx -p "$p" -ex 'thread apply all bt 15' 2>/dev/null | grep -E '^(Thread|#)'
    done
    for f in "$work"/*.log; do
        [ -s "$f" ] && { echo "--- $(basename "$f"):"; tail -n 20 "$f"; }
    done
}

# Xvfb picks a free display itself and writes its number once it accepts
# clients. -noreset: by default the server resets when its last client
# leaves, and a client that connects during that reset is refused.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 & pids="$pids $!"
i=0; until [ -s "$work/display" ]; do i=$((i + 1)); [ $i -gt 100 ] && fail "Xvfb did not start"; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 & pids="$pids $!"
# A close request reaches the game only through the window manager.
i=0; until wmctrl -m >/dev/null 2>&1; do i=$((i + 1)); [ $i -gt 100 ] && fail "the window manager did not start"; sleep 0.1; done
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Waits until N visible windows have the title; prints their ids.
windows() {
    i=0
    while :; do
        ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)
        [ "$(printf '%s\n' $ids | grep -c .)" -ge "$2" ] && { echo "$ids"; return 0; }
        i=$((i + 1)); [ $i -gt 300 ] && return 1
        sleep 0.1
    done
}

# Asks the window manager to close window $1 as a player would, again and
# again until the window manager has taken it on and process $2 has ended.
close_window() {
    i=0
    while kill -0 "$2" 2>/dev/null && [ $i -lt 50 ]; do
        wmctrl -i -c "$1" 2>/dev/null
        i=$((i + 1)); sleep 0.2
    done
}

# Waits for a process to end (bounded); sets st to its exit status.
status_of() {
    i=0
    while kill -0 "$1" 2>/dev/null; do i=$((i + 1)); [ $i -gt 200 ] && { st="still running"; return; }; sleep 0.1; done
    wait "$1"; st=$?
}

mkdir "$work/cwd" "$work/tmp"
printf 'a file of the player'"'"'s\r\n' > "$work/cwd/dic.bin"
cp "$work/cwd/dic.bin" "$work/dic.bin.before"

echo "start and close"
(cd "$work/cwd" && TMPDIR="$work/tmp" exec "$game" 2>"$work/game.log") & app=$!; pids="$pids $app"; watched=$app
id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared"
copies=$(find "$work/tmp" -name dic.bin | wc -l)
[ "$copies" -eq 1 ] || fail "expected one temporary dic.bin, found $copies"
[ "$(stat -c %a "$(dirname "$(find "$work/tmp" -name dic.bin)")")" = 700 ] || fail "temporary folder is not private"
close_window "$id" $app
status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
[ -z "$(ls -A "$work/tmp")" ] || fail "left behind in the temporary folder: $(ls -A "$work/tmp")"
cmp -s "$work/cwd/dic.bin" "$work/dic.bin.before" || fail "dic.bin in the working directory changed"
cases=$((cases + 1))

echo "two copies from one folder"
(cd "$work/cwd" && TMPDIR="$work/tmp" exec "$game" 2>"$work/game-a.log") & a=$!; pids="$pids $a"
(cd "$work/cwd" && TMPDIR="$work/tmp" exec "$game" 2>"$work/game-b.log") & b=$!; pids="$pids $b"; watched="$a $b"
ids=$(windows "Go LEXORB" 2) || fail "two copies did not both open"
set -- $ids
close_window "$1" $a & close_window "$2" $b
status_of $a; sa=$st; status_of $b; sb=$st
[ "$sa" = 0 ] && [ "$sb" = 0 ] || fail "exit statuses $sa and $sb"
[ -z "$(ls -A "$work/tmp")" ] || fail "two copies left files behind"
cases=$((cases + 1))

echo "unusable temporary folder"
: > "$work/plain-file"
(cd "$work/cwd" && TMPDIR="$work/plain-file" exec "$game" 2>"$work/game-bad.log") & bad=$!; pids="$pids $bad"; watched=$bad
id=$(windows "Go LEXORB" 1) || fail "no error window appeared"
close_window "$id" $bad
status_of $bad; [ "$st" != 0 ] && [ "$st" != "still running" ] || fail "exit status $st with an unusable temporary folder"
cmp -s "$work/cwd/dic.bin" "$work/dic.bin.before" || fail "dic.bin in the working directory changed"
cases=$((cases + 1))

# Starts a copy in the background; sets app to its process id. A shell
# starts background programs with SIGINT ignored, which the game keeps;
# env gives it the default back, as a terminal would.
start_game() {
    (cd "$work/cwd" && TMPDIR="$work/tmp" exec env --default-signal=INT "$game" 2>"$work/game-$1.log") & app=$!
    pids="$pids $app"; watched=$app
}

for pair in TERM:15 HUP:1 INT:2; do
    sig=${pair%:*}
    echo "SIG$sig"
    start_game "$sig"
    windows "Go LEXORB" 1 >/dev/null || fail "no window 'Go LEXORB' appeared"
    kill -s "$sig" $app
    status_of $app; want=$((128 + ${pair#*:}))
    [ "$st" = "$want" ] || fail "exit status $st after SIG$sig, not $want"
    [ -z "$(ls -A "$work/tmp")" ] || fail "SIG$sig left behind: $(ls -A "$work/tmp")"
    cases=$((cases + 1))
done

echo "SIGKILL, then the next start"
start_game killed
windows "Go LEXORB" 1 >/dev/null || fail "no window 'Go LEXORB' appeared"
left=$(ls -A "$work/tmp")
kill -s KILL $app; status_of $app
i=0; while xdotool search --onlyvisible --name '^Go LEXORB$' >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && fail "the killed copy's window stayed"; sleep 0.1
done
start_game next
id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared after a killed run"
[ ! -e "$work/tmp/$left" ] || fail "the killed run's $left was not cleared"
[ "$(find "$work/tmp" -name dic.bin | wc -l)" -eq 1 ] || fail "expected the new run's dic.bin alone"
close_window "$id" $app
status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
[ -z "$(ls -A "$work/tmp")" ] || fail "left behind: $(ls -A "$work/tmp")"
cases=$((cases + 1))

echo "a temporary folder that cannot be removed"
start_game stuck
id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared"
folder=$(dirname "$(find "$work/tmp" -name dic.bin)")
: > "$folder/put there by someone"
close_window "$id" $app
status_of $app; [ "$st" = 1 ] || fail "exit status $st when the folder stayed"
grep -q "could not be removed" "$work/game-stuck.log" || fail "nothing said on standard error"
rm -rf "$folder"
cases=$((cases + 1))

echo "-display instead of DISPLAY"
(cd "$work/cwd" && TMPDIR="$work/tmp" exec env -u DISPLAY "$game" -display "$DISPLAY" 2>"$work/game-display.log") &
app=$!; pids="$pids $app"; watched=$app
id=$(windows "Go LEXORB" 1) || fail "no window with -display $DISPLAY and DISPLAY unset"
close_window "$id" $app
status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
cases=$((cases + 1))

# A copy of the game with a damaged chart module beside it, where it looks
# first: a round of one minute ended at once, its results, All Words, then
# the chart; a message says what is wrong, and the game goes on.
mkdir "$work/bin" "$work/home"
cp "$game" "$work/bin/golexorb"
libz=$(ldd "$game" | awk '$1 ~ /^libz\.so/ { print $3 }')
for damage in "is cut short" "lacks its entry point"; do
    echo "a chart module that $damage"
    case $damage in
    *short) head -c 8192 "$(dirname "$game")/golexorb-progress.so" >"$work/bin/golexorb-progress.so" ;;
    *) cp "$libz" "$work/bin/golexorb-progress.so" ;;
    esac
    log="$work/game-module-${damage##* }.log"
    (cd "$work/cwd" && HOME="$work/home" TMPDIR="$work/tmp" exec "$work/bin/golexorb" 2>"$log") & app=$!
    pids="$pids $app"; watched=$app
    id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared"
    xdotool windowactivate --sync "$id" key Down F2 F3 F4 >/dev/null 2>&1
    results=$(windows "Results" 1) || fail "no results window"
    xdotool windowactivate --sync "$results" key F5 >/dev/null 2>&1
    allwords=$(windows "All Words" 1) || fail "no All Words window"
    xdotool windowactivate --sync "$allwords" key ctrl+g >/dev/null 2>&1
    box=$(windows "Go LEXORB" 2 | grep -vx "$id") || fail "no message about the module; the game said: $(cat "$log")"
    grep -q "cannot be shown: the module .* $damage" "$log" || fail "the module's fault is not said: $(cat "$log")"
    xdotool windowactivate --sync "$box" key Return >/dev/null 2>&1
    xdotool windowactivate --sync "$allwords" key Escape >/dev/null 2>&1
    xdotool windowactivate --sync "$results" key Escape >/dev/null 2>&1
    close_window "$id" $app
    status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
    cases=$((cases + 1))
done

# A sanitizer's report fails the test even where the exit status was not 0 anyway.
if grep -l -E 'Sanitizer|runtime error:' "$work"/*.log >/dev/null 2>&1; then
    fail "a sanitizer reported: $(grep -l -E 'Sanitizer|runtime error:' "$work"/*.log)"
fi
echo "$cases passed, 0 failed"
