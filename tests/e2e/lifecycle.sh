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
#  - no sanitizer reports anything (in a checking build).
# With "screen-reader" it plays a round instead, as a screen-reader user
# would, on a session bus of its own with the accessibility bus, and checks
# what reaches AT-SPI: the start, a counted and a rejected word, the last
# seconds and the end as notifications, and Tab's focus never on the chat
# controls below the window's edge.
# Usage: lifecycle.sh GAME_BINARY [screen-reader]
set -u
game=$(realpath "$1")
mode=${2:-lifecycle}
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

if [ "$mode" = screen-reader ]; then
    command -v dbus-run-session >/dev/null 2>&1 || { echo "skipped: dbus-run-session is not installed"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
    echo "a round heard over AT-SPI"
    cat >"$work/screenreader.py" <<'PY'
# Plays a round of the real game as a screen-reader user would and checks
# what reaches AT-SPI: the news of the round as notifications that show,
# and where the focus goes. Usage: screenreader.py GAME
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

COMMON = """the and are but not you all any can had her was one our out day get has him his how man new now
old see two way who boy did its let put say she too use act add age ago aid aim air art ask ate bad bag bat
bed bet big bit box bus buy cap car cat cow cry cup cut dog dot dry due ear eat egg end era eye fan far fat
few fit fly fun gas gun guy hat hit hot ice ill jet job joy key kid lay leg lie lip lot low map mix mud net
nor nut oil pan pen per pet pie pin pit pot ran rat raw red rid row run sad sat sea set sit six sky son sun
tax tea ten tie tin tip toe ton top toy try van war wet win yes yet rest tape time tone note rate seat east
neat tear area idea into ride side tide site dear near hear rose nose lose sore tore more ore oar ear era
art rat tar star stare tires tries rise sire iron rain train stain saint paint point noise""".split()

said, focused, problems = [], [], []


def listen(event):
    try:
        if event.type == 'object:state-changed:showing' and event.detail1 \
                and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            said.append(event.source.name)
        elif event.type == 'object:state-changed:focused' and event.detail1:
            focused.append(event.source.name)
    except Exception:  # an object gone by the time it is read
        pass


def frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == 'golexorb':
            for j in range(app.childCount):
                f = app.getChildAtIndex(j)
                if f is not None and f.name == 'Go LEXORB':
                    return f
    return None


def board(f):
    cells = {}
    for i in range(f.childCount):
        m = re.fullmatch(r'(.), row (\d), column (\d)', f.getChildAtIndex(i).name or '')
        if m:
            cells[(int(m.group(2)) - 1) * 4 + int(m.group(3)) - 1] = m.group(1).lower()
    return [cells.get(n, '?') for n in range(16)]


def paths(letters, length):
    """Every string of `length` letters along touching cells, no cell twice."""
    out = set()

    def walk(path):
        if len(path) == length:
            out.add(''.join(letters[n] for n in path))
            return
        for n in range(16):
            if n not in path and (not path or (abs(n // 4 - path[-1] // 4) <= 1 and abs(n % 4 - path[-1] % 4) <= 1)):
                walk(path + [n])
    walk([])
    return out


def key(*keys):
    subprocess.run(['xdotool', 'key', *keys], check=True)


def type_word(word):
    subprocess.run(['xdotool', 'type', '--delay', '120', word], check=True)
    key('Return')


def steps(game):
    for _ in range(100):
        if frame() is not None:
            break
        yield 0.2
    else:
        problems.append('no window "Go LEXORB" over AT-SPI')
        return
    yield 1.5
    key('Down')  # the focus starts in the Game Time box: 1 minute
    yield 1
    for _ in range(8):  # a board with a common word on it
        start = len(said)
        key('F2')
        yield 1.5
        letters = board(frame())
        words = [w for w in COMMON if len(w) <= 5 and w in paths(letters, len(w))]
        if words:
            break
        key('F3')
        yield 1
    else:
        problems.append('no board with a common word in 8 rounds')
        return
    typed = [words[0]]
    type_word(words[0])
    yield 1.5
    for other in sorted(paths(letters, 3) - set(COMMON)):  # a word the list does not hold, most likely
        if f'{typed[-1]}, not a word' in said[start:] or len(typed) > 6:
            break
        typed.append(other)
        type_word(other)
        yield 1.5
    key('Tab')
    yield 1
    key('Tab')
    yield 1
    for _ in range(160):
        if any(s.startswith('Round over') for s in said[start:]):
            break
        yield 0.5
    steps.start, steps.typed = start, typed
    game.terminate()
    yield 1


def main():
    game = subprocess.Popen([sys.argv[1]])
    # Name changes too, as a screen reader listens: they keep the names read in step.
    pyatspi.Registry.registerEventListener(listen, 'object:state-changed:showing', 'object:state-changed:focused',
                                           'object:property-change:accessible-name')
    run = steps(game)

    def next_step():
        try:
            GLib.timeout_add(int(next(run) * 1000), next_step)
        except StopIteration:
            pyatspi.Registry.stop()
        return False
    GLib.idle_add(next_step)
    pyatspi.Registry.start()
    game.wait(10)
    if problems:
        print('FAIL:', '; '.join(problems))
        return 1
    heard = said[steps.start:]
    print('heard:', ' | '.join(heard))
    words = [s for s in heard if ', ' in s and (s.endswith(' points') or s.endswith(', not a word'))]
    score = sum(int(s.split(', ')[1].split()[0]) for s in words if s.endswith(' points'))
    expected_end = ['30 seconds left', '10 seconds left', '5 seconds left', '4 seconds left', '3 seconds left',
                    '2 seconds left', '1 second left', f'Round over. Your score: {score}']
    checks = [
        (heard[:1] == ['1-minute round started'], 'the start'),
        (f'{steps.typed[0]}, ' in (words[0] if words else '') and words[0].endswith(' points'), 'a counted word'),
        (any(s.endswith(', not a word') for s in words), 'a rejected word'),
        ([s for s in heard if s not in words][1:] == expected_end, 'the last seconds and the end'),
        ('Your words' in focused and not {'Chat', 'Chat message'} & set(focused),
         'focus on the word list, never on the chat controls: ' + ', '.join(focused)),
    ]
    failed = [what for ok, what in checks if not ok]
    if failed:
        print('FAIL:', '; '.join(failed))
        return 1
    return 0


sys.exit(main())
PY
    # The player's folders and settings are the test's own.
    mkdir "$work/home" "$work/tmp"
    (cd "$work" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        TMPDIR="$work/tmp" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        exec dbus-run-session -- /usr/bin/python3 "$work/screenreader.py" "$game") >"$work/screenreader.log" 2>&1
    st=$?
    grep '^heard:' "$work/screenreader.log"
    [ "$st" = 0 ] || fail "$(grep '^FAIL' "$work/screenreader.log" || echo "status $st")"
    [ -z "$(ls -A "$work/tmp")" ] || fail "left behind in the temporary folder: $(ls -A "$work/tmp")"
    if grep -q -E 'Sanitizer|runtime error:' "$work/screenreader.log"; then
        fail "a sanitizer reported"
    fi
    echo "1 passed, 0 failed"
    exit 0
fi

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

# A sanitizer's report fails the test even where the exit status was not 0 anyway.
if grep -l -E 'Sanitizer|runtime error:' "$work"/*.log >/dev/null 2>&1; then
    fail "a sanitizer reported: $(grep -l -E 'Sanitizer|runtime error:' "$work"/*.log)"
fi
echo "$cases passed, 0 failed"
