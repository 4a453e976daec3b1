#!/bin/sh
# Runs the real game in a real X window (Xvfb with a window manager) and checks
# what a player and the file system see of its start-up and shutdown:
#  - closing the window ends the program with status 0;
#  - the temporary copy of the word list and its folder are gone afterwards;
#  - a file named dic.bin in the working directory is left untouched;
#  - two copies can run from one folder at once;
#  - with an unusable temporary folder an error window shows and the status is not 0;
#    one SIGTERM while it is up ends the game by that signal;
#  - SIGTERM, SIGHUP and SIGINT close it as the window's close does, and it
#    ends by that signal;
#  - what a run killed with SIGKILL left is cleared when the next one starts;
#  - a temporary folder that cannot be removed is said on standard error;
#  - the window opens centred by the frame the window manager gives it;
#  - a screen reader's press does nothing while a modal window is open;
#  - -display names the X server when DISPLAY is not set;
#  - a chart module cut short, or lacking its entry point, is said so in a
#    message and the game plays on;
#  - no sanitizer reports anything (in a checking build).
# With "screen-reader" it plays a round instead, as a screen-reader user
# would, on a session bus of its own with the accessibility bus, and checks
# what reaches AT-SPI: the start, a counted and a rejected word, the last
# seconds and the end as notifications, and Tab's focus never on the chat
# controls below the window's edge.
# With "screen-reader-room" it joins a room on a private broker (what
# scripts/mqtt-broker fetched into GOLEXORB_MQTT_STATE) instead: a keyless
# bot comes in, chats and leaves by mosquitto_pub, the player starts a round
# and ends it with F3, then the broker is stopped; it checks that AT-SPI
# hears the join, the line, 3, 2, 1, the board's rows, the leave, the winner
# line and the lost connection, in that order.
# With "german" it plays German rounds by keyboard from the installed
# wngerman list (started with --language de, its words made at the start):
# the title names the language, a word with Ä that the game's solver finds
# on the board is typed and counted by its tiles, an English word is not a
# word, and the round is kept in records-de.txt.
# Usage: lifecycle.sh GAME_BINARY [screen-reader|screen-reader-room|german]
set -u
game=$(realpath "$1")
mode=${2:-lifecycle}
for tool in Xvfb openbox xdotool wmctrl xprop xwininfo xdpyinfo; do
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

# Closes a window of the game other than the main one, as its title-bar
# button does, and waits until it is gone.
close_dialog() {
    wmctrl -i -c "$1" 2>/dev/null
    i=0; while xdotool getwindowname "$1" >/dev/null 2>&1 && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; do
        i=$((i + 1)); [ $i -gt 50 ] && fail "window $1 stayed open"; sleep 0.1
    done
}

# Waits for a process to end (bounded); sets st to its exit status.
status_of() {
    i=0
    while kill -0 "$1" 2>/dev/null; do i=$((i + 1)); [ $i -gt 200 ] && { st="still running"; return; }; sleep 0.1; done
    wait "$1"; st=$?
}

if [ "$mode" = screen-reader ] || [ "$mode" = screen-reader-room ]; then
    command -v dbus-run-session >/dev/null 2>&1 || { echo "skipped: dbus-run-session is not installed"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
    set --
    if [ "$mode" = screen-reader-room ]; then
        state=${GOLEXORB_MQTT_STATE:-}
        [ -n "$state" ] || { echo "skipped: GOLEXORB_MQTT_STATE names no folder of scripts/mqtt-broker"; exit 77; }
        [ ! -f "$state/unavailable" ] || { echo "skipped: no private MQTT broker: $(cat "$state/unavailable")"; exit 77; }
        libs=$(cat "$state/libs" 2>/dev/null) broker=$state/root/usr/sbin/mosquitto pub=$state/root/usr/bin/mosquitto_pub
        LD_LIBRARY_PATH=$libs "$pub" --help 2>&1 | grep -q 'mosquitto_pub version' ||
            { echo "skipped: no mosquitto_pub that runs in $state/root"; exit 77; }
        echo "a room heard over AT-SPI"
        port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
        printf 'listener %s 127.0.0.1\nallow_anonymous true\npersistence false\n' "$port" >"$work/mosquitto.conf"
        (LD_LIBRARY_PATH=$libs exec "$broker" -c "$work/mosquitto.conf") >"$work/broker.log" 2>&1 & mqtt=$!
        pids="$pids $mqtt"
        i=0; until LD_LIBRARY_PATH=$libs "$pub" -h 127.0.0.1 -p "$port" -t ready -n >/dev/null 2>&1; do
            i=$((i + 1)); [ $i -gt 50 ] && fail "the broker did not start"; sleep 0.2
        done
        set -- room "$port" "$mqtt" "$pub" "$libs"
    else
        echo "a round heard over AT-SPI"
    fi
    cat >"$work/screenreader.py" <<'PY'
# Plays a one-minute round as a screen-reader user would; checks what
# reaches AT-SPI: the news as notifications that show, and the focus. With
# "room PORT BROKER_PID MOSQUITTO_PUB LIBS": a room's round instead, on the
# broker of that port and process, with a keyless bot in it for a while.
import os, re, signal, subprocess, sys
import pyatspi
from gi.repository import GLib

WORDS = """the and are was one out day get has new now old see two way who did its let put say use act add
age ago air art ask ate bad bag bat bed big bit box bus car cat dog dry ear eat egg end eye far fat few fit
fun gas hat hit hot ice leg lie lot low map net nor oil pan pen pet pie pin pot ran rat red rid run sad sat
sea set sit son sun tan tea ten tie tin toe ton top toy war wet win yes yet""".split()
said, focused, typed = [], [], []


def listen(e):
    try:
        if e.detail1 and e.type.endswith('showing') and e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            said.append(e.source.name)
        elif e.detail1 and e.type.endswith('focused'):
            focused.append(e.source.name)
    except Exception:  # gone before it was read
        pass


def board():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'golexorb' and app.childCount:
            return [m.group(1).lower() for c in app[0] if (m := re.fullmatch(r'(.), row \d, column \d', c.name))]
    return []


def spells(letters, word, path=()):
    if len(path) == len(word):
        return True
    return any(spells(letters, word, path + (n,)) for n in range(16) if n not in path and letters[n] == word[len(path)]
               and (not path or max(abs(n // 4 - path[-1] // 4), abs(n % 4 - path[-1] % 4)) == 1))


def key(*keys):
    subprocess.run(['xdotool', 'key', *keys], check=True)


def steps(game):
    for _ in range(150):
        if len(board()) == 16:
            break
        yield 0.2
    yield 1.5
    key('Down')  # the focus starts in the Game Time box: 1 minute
    start, found, letters = len(said), [], []
    for _ in range(8):  # a board with a word of the list above
        start = len(said)
        key('F2')
        yield 1.5
        letters = board()
        found = [w for w in WORDS if spells(letters, w)]
        if found:
            break
        key('F3')
        # Its end heard before the next board's start is marked.
        yield from until(lambda: said[-1:] and said[-1].startswith('Round over'), 2)
    for word in found[:1] + sorted({a + b + c for a in letters for b in letters for c in letters} - set(WORDS)):
        if not spells(letters, word):
            continue
        typed.append(word)
        subprocess.run(['xdotool', 'type', '--delay', '120', word], check=True)
        key('Return')
        yield 1.5
        if len(typed) > 6 or said[-1:] and said[-1].endswith(', not a word'):
            break
    key('Tab')
    key('Tab')
    for _ in range(160):
        if said[-1:] and said[-1].startswith('Round over'):
            break
        yield 0.5
    steps.heard = said[start:]
    game.terminate()


steps.heard = []


def until(done, seconds):
    for _ in range(int(seconds * 5)):
        if done():
            return
        yield 0.2


def room(game, port, broker, pub, libs):
    def publish(topic, message, *flags):
        subprocess.run([pub, '-h', '127.0.0.1', '-p', port, '-q', '1', '-t', 'golexorb/2/den/' + topic, '-m', message,
                        *flags], env=dict(os.environ, LD_LIBRARY_PATH=libs), check=True, timeout=10)

    def heard(test):
        return lambda: any(test(h) for h in said[start:])
    yield from until(lambda: any(h.startswith('You joined room den') for h in said), 30)
    start = len(said)
    publish('players/bot', '{"name":"bot","state":"here"}', '-r')
    yield from until(heard(lambda h: h == 'bot joined the room.'), 10)
    publish('chat', '{"name":"bot","text":"hello"}')
    yield from until(heard(lambda h: h.startswith('bot (unverified)')), 10)
    key('Down')  # one minute, which F3 cuts short
    key('F2')
    yield from until(heard(lambda h: h.startswith('Row 1: ')), 15)
    room.letters = [c.upper() for c in board()]
    publish('players/bot', '{"name":"bot","state":"gone"}', '-r')
    yield from until(heard(lambda h: h == 'bot left the room.'), 10)
    key('F3')  # the last player here ends the round: the standings come at once
    yield from until(heard(lambda h: ' wins with ' in h), 20)
    os.kill(int(broker), signal.SIGTERM)
    yield from until(heard(lambda h: h.startswith('Lost the connection to ')), 20)
    steps.heard = said[start:]
    game.terminate()


room.letters = []


def check_room(heard):
    rows = ' '.join(f'Row {r + 1}: {" ".join(room.letters[4 * r:4 * r + 4])}.' for r in range(4))
    wanted = [('the join', lambda h: h == 'bot joined the room.'),
              ('the chat line', lambda h: h == 'bot (unverified): hello'),
              ('3', lambda h: h == '3...'), ('2', lambda h: h == '2...'), ('1', lambda h: h == '1...'),
              ("the board's rows", lambda h: len(room.letters) == 16 and h == rows),
              ('the leave', lambda h: h == 'bot left the room.'),
              ('the winner line', lambda h: re.fullmatch(r'Ann wins with \d+\.', h)),
              ('the lost connection', lambda h: h.startswith('Lost the connection to mqtt://127.0.0.1:'))]
    for h in heard:  # in this order, whatever comes between
        if wanted and wanted[0][1](h):
            wanted.pop(0)
    if wanted:
        print('FAIL: not heard in order from', wanted[0][0], 'on')
    return 1 if wanted else 0


def main():
    in_room = sys.argv[2:3] == ['room']
    game = subprocess.Popen([sys.argv[1]] + (['--join', f'mqtt://127.0.0.1:{sys.argv[3]}/den', '--name', 'Ann']
                                             if in_room else []))
    # Name changes too, as a screen reader listens: the names read stay current.
    pyatspi.Registry.registerEventListener(listen, 'object:state-changed:showing', 'object:state-changed:focused',
                                           'object:property-change:accessible-name')
    run = room(game, *sys.argv[3:]) if in_room else steps(game)

    def step():
        try:
            GLib.timeout_add(int(next(run) * 1000), step)
        except StopIteration:
            pyatspi.Registry.stop()
        except Exception as e:  # a step that failed ends the run rather than stall it
            print('FAIL:', e)
            game.terminate()
            pyatspi.Registry.stop()
    GLib.idle_add(step)
    pyatspi.Registry.start()
    game.wait(10)
    heard = steps.heard
    print('heard:', ' | '.join(heard))
    if in_room:
        return check_room(heard)
    words = [h for h in heard if h.endswith(' points') or h.endswith(', not a word')]
    score = sum(int(h.split(', ')[1].split()[0]) for h in words if h.endswith(' points'))
    ends = [f'{n} seconds left' for n in (30, 10, 5, 4, 3, 2)] + ['1 second left', f'Round over. Your score: {score}']
    failed = [what for ok, what in [
        (heard[:1] == ['1-minute round started'], 'the start'),
        (words[:1] == [f'{w}, {len(w)} points' for w in typed[:1]], 'a counted word'),
        (any(h.endswith(', not a word') for h in words), 'a rejected word'),
        ([h for h in heard[1:] if h not in words] == ends, 'the last seconds and the end'),
        ('Your words' in focused and not {'Chat', 'Chat message'} & set(focused),
         'focus on the word list, never on the chat controls: ' + ', '.join(focused))] if not ok]
    if failed:
        print('FAIL:', '; '.join(failed))
    return 1 if failed else 0


sys.exit(main())
PY
    # The player's folders and settings are the test's own.
    mkdir "$work/home" "$work/tmp"
    (cd "$work" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        TMPDIR="$work/tmp" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        exec dbus-run-session -- /usr/bin/python3 "$work/screenreader.py" "$game" "$@") >"$work/screenreader.log" 2>&1
    st=$?
    if [ "$mode" = screen-reader-room ]; then
        heard=$st
        kill "$mqtt" 2>/dev/null; status_of "$mqtt"
        st=$heard
    fi
    grep '^heard:' "$work/screenreader.log"
    [ "$st" = 0 ] || fail "$(grep '^FAIL' "$work/screenreader.log" || echo "status $st")"
    [ -z "$(ls -A "$work/tmp")" ] || fail "left behind in the temporary folder: $(ls -A "$work/tmp")"
    if grep -q -E 'Sanitizer|runtime error:' "$work/screenreader.log"; then
        fail "a sanitizer reported"
    fi
    echo "1 passed, 0 failed"
    exit 0
fi

if [ "$mode" = german ]; then
    [ -r /usr/share/dict/ngerman ] || { echo "skipped: wngerman is not installed"; exit 77; }
    command -v dbus-run-session >/dev/null 2>&1 || { echo "skipped: dbus-run-session is not installed"; exit 77; }
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
    echo "a German round by keyboard"
    cat >"$work/german.py" <<'PY'
# Plays German rounds until a board holds both a word with Ä (by the list,
# folded as the game folds it) and an English word that is no German one;
# types both and checks what the game says of them.
import re, subprocess, sys, unicodedata
import pyatspi
from gi.repository import GLib

game_binary, blocklist = sys.argv[1], sys.argv[2]


def fold(word):
    out = ''
    for c in word:
        if c == 'ß':
            out += 'SS'
            continue
        u = c.upper()
        if u in 'ÄÖÜ' or 'A' <= u <= 'Z':
            out += u
            continue
        base = unicodedata.normalize('NFD', u)[0]
        if not ('A' <= base <= 'Z'):
            return None
        out += base
    return out


words = set()
for line in open('/usr/share/dict/ngerman', encoding='utf-8'):
    w = line.strip()
    if w and not any(c.isupper() for c in w[1:]) and (t := fold(w)) and 3 <= len(t) <= 16:
        words.add(t)
words -= {fold(b.strip()) for b in open(blocklist, encoding='utf-8') if b.strip() and not b.startswith('#')}
prefixes = {w[:i] for w in words for i in range(1, len(w) + 1)}
english = set()
for size in (10, 20):
    for line in open(f'/usr/share/dict/scowl/english-words.{size}', encoding='latin-1'):
        w = line.strip()
        if 3 <= len(w) <= 5 and w.isascii() and w.isalpha() and w.islower() and w.upper() not in words:
            english.add(w.upper())

said, state = [], {}


def listen(e):
    try:
        if e.detail1 and e.type.endswith('showing') and e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            said.append(e.source.name)
    except Exception:
        pass


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == 'golexorb' and a.childCount:
            return a
    return None


def title():
    # As the window manager shows it: AT-SPI is not told of a new title.
    ids = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^Go LEXORB'], capture_output=True,
                         text=True).stdout.split()
    return subprocess.run(['xdotool', 'getwindowname', ids[0]], capture_output=True, text=True).stdout.strip() if ids else ''


def board():
    a = app()
    cells = [m.group(1) for c in (a[0] if a else []) if (m := re.fullmatch(r'(.), row \d, column \d', c.name))]
    return cells if len(cells) == 16 and '?' not in cells else []


def touching(a, b):
    return a != b and abs(a // 4 - b // 4) <= 1 and abs(a % 4 - b % 4) <= 1


def solve(cells, wanted):
    found = set()

    def walk(path, word):
        if word not in wanted[1]:
            return
        if len(path) >= 3 and word in wanted[0]:
            found.add(word)
        for n in range(16):
            if n not in path and touching(path[-1], n):
                walk(path + [n], word + cells[n])
    for n in range(16):
        walk([n], cells[n])
    return found


def key(*keys):
    subprocess.run(['xdotool', 'key', *keys], check=True)


def steps(game):
    # The words are made at this first start: the title names the
    # language once they are ready, and the window takes keys again.
    for _ in range(300):
        if title().startswith('Go LEXORB \u2013'):
            break
        yield 0.2
    state['title'] = title()
    key('Down')  # one minute
    english_prefixes = {w[:i] for w in english for i in range(1, len(w) + 1)}
    for _ in range(400):
        start = len(said)
        key('F2')
        for _ in range(20):
            yield 0.1
            cells = board()
            if cells:
                break
        umlaut = sorted(w for w in solve(cells, (words, prefixes)) if 'Ä' in w) if cells else []
        other = sorted(solve(cells, (english, english_prefixes))) if cells else []
        if umlaut and other:
            break
        key('F3')
        for _ in range(20):  # its end heard before the next board's start is marked
            if said[-1:] and said[-1].startswith('Round over'):
                break
            yield 0.1
    else:
        state['fail'] = 'no board with a word with Ä and an English word in 400 rounds'
        game.terminate()
        return
    state['typed'] = (umlaut[0], other[0])
    for word in state['typed']:
        subprocess.run(['xdotool', 'type', '--delay', '120', word.lower()], check=True)
        key('Return')
        yield 1.0
    key('F3')
    yield 1.0
    state['heard'] = said[start:]
    game.terminate()


def main():
    game = subprocess.Popen([game_binary, '--language', 'de'])
    # Name changes too, as a screen reader listens: the names read stay current.
    pyatspi.Registry.registerEventListener(listen, 'object:state-changed:showing',
                                           'object:property-change:accessible-name')
    run = steps(game)

    def step():
        try:
            GLib.timeout_add(int(next(run) * 1000), step)
        except StopIteration:
            pyatspi.Registry.stop()
    GLib.idle_add(step)
    pyatspi.Registry.start()
    game.wait(10)
    if 'fail' in state:
        print('FAIL:', state['fail'])
        return 1
    umlaut, other = state['typed']
    print('title:', state['title'])
    print('typed:', umlaut, other)
    print('heard:', ' | '.join(state['heard']))
    failed = [what for ok, what in [
        (state['title'] == 'Go LEXORB \u2013 Deutsch', 'the title'),
        (state['heard'][:1] == ['1-minute round started, in German'], 'the start'),
        (any(h.lower() == f'{umlaut.lower()}, {len(umlaut)} points' for h in state['heard']), 'the word with Ä counted'),
        (f'{other.lower()}, not a word' in state['heard'], 'the English word rejected')] if not ok]
    if failed:
        print('FAIL:', '; '.join(failed))
    return 1 if failed else 0


sys.exit(main())
PY
    mkdir "$work/home" "$work/tmp"
    (cd "$work" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
        XDG_CACHE_HOME="$work/home/cache" TMPDIR="$work/tmp" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        exec dbus-run-session -- /usr/bin/python3 "$work/german.py" "$game" \
        "$(dirname "$0")/../../resources/blocklist-de.txt") >"$work/german.log" 2>&1
    st=$?
    grep -E '^(title|typed|heard):' "$work/german.log"
    [ "$st" = 0 ] || fail "$(grep '^FAIL' "$work/german.log" || echo "status $st")"
    [ -s "$work/home/cache/golexorb/words-de.bin" ] || fail "the German words were not cached"
    grep -q '^round ' "$work/home/data/golexorb/records-de.txt" 2>/dev/null || fail "the round is not in records-de.txt"
    [ ! -e "$work/home/data/golexorb/records.txt" ] || fail "the German round went into the English records"
    if grep -q -E 'Sanitizer|runtime error:' "$work/german.log"; then
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

echo "SIGTERM while the error window is up"
(cd "$work/cwd" && TMPDIR="$work/plain-file" exec "$game" 2>"$work/game-bad-term.log") & bad=$!; pids="$pids $bad"; watched=$bad
windows "Go LEXORB" 1 >/dev/null || fail "no error window appeared"
kill -s TERM $bad
status_of $bad; [ "$st" = 143 ] || fail "exit status $st after one SIGTERM with the error window up, not 143"
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

echo "centred by its real frame"
start_game centred
id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared"
# The frame comes after the window is mapped; the game centres itself by it.
extents() { xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' '; }
i=0; until [ -n "$(extents)" ]; do i=$((i + 1)); [ $i -gt 50 ] && fail "the window manager gave no frame"; sleep 0.1; done
sleep 1
IFS=, read -r fl fr ft fb <<EOF_FRAME
$(extents)
EOF_FRAME
# The client area's place on the screen (xdotool's would include the frame).
info=$(xwininfo -id "$id")
field() { echo "$info" | sed -n "s/^ *$1: *//p"; }
X=$(field 'Absolute upper-left X') Y=$(field 'Absolute upper-left Y') WIDTH=$(field Width) HEIGHT=$(field Height)
screen=$(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*x[0-9]*\).*/\1/p')
sw=${screen%x*} sh=${screen#*x}
above=$((Y - ft)) below=$((sh - Y - HEIGHT - fb)) left=$((X - fl)) right=$((sw - X - WIDTH - fr))
[ $((above - below)) -ge -1 ] && [ $((above - below)) -le 1 ] && [ $((left - right)) -ge -1 ] && [ $((left - right)) -le 1 ] ||
    fail "not centred: $above px above, $below below, $left left, $right right (frame $fl,$fr,$ft,$fb)"
close_window "$id" $app
status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
cases=$((cases + 1))

echo "-display instead of DISPLAY"
(cd "$work/cwd" && TMPDIR="$work/tmp" exec env -u DISPLAY "$game" -display "$DISPLAY" 2>"$work/game-display.log") &
app=$!; pids="$pids $app"; watched=$app
id=$(windows "Go LEXORB" 1) || fail "no window with -display $DISPLAY and DISPLAY unset"
close_window "$id" $app
status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
cases=$((cases + 1))

# A screen reader's press, like a click, does nothing under a modal window:
# the results window, or a message box.
if command -v dbus-launch >/dev/null 2>&1 && [ -x /usr/libexec/at-spi-bus-launcher ] &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "a screen reader's press under a modal window"
    eval "$(dbus-launch --sh-syntax)"; pids="$pids $DBUS_SESSION_BUS_PID"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids="$pids $!"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    atspi() { timeout 20 /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }
    start_game a11y
    id=$(windows "Go LEXORB" 1) || fail "no window 'Go LEXORB' appeared"
    i=0; until atspi board >/dev/null 2>&1; do i=$((i + 1)); [ $i -gt 50 ] && fail "the game is not on the accessibility bus"; sleep 0.2; done
    xdotool windowactivate --sync "$id" key Down F2 F3 F4 >/dev/null 2>&1
    results=$(windows "Results" 1) || fail "no results window"
    before=$(atspi board)
    atspi press "Start Game" || fail "no press for Start Game"
    sleep 0.5
    [ "$(atspi board)" = "$before" ] || fail "a press on Start Game under the results window changed the board: $(atspi board)"
    close_dialog "$results"
    xdotool windowactivate --sync "$id" key F2 Return >/dev/null 2>&1 # Add with no word: a message box
    windows "Go LEXORB" 2 >/dev/null || fail "no message box"
    before=$(atspi board)
    cell=$(echo "$before" | head -n 1 | cut -d'|' -f6)
    atspi press "$cell" && atspi press "End Game" || fail "no press for $cell or End Game"
    sleep 0.5
    [ "$(atspi board)" = "$before" ] || fail "presses under the message box changed the round: $(atspi board)"
    echo "$before" | grep -q 'End Game enabled' || fail "the round was not running: $before"
    kill $app; status_of $app
    unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
    cases=$((cases + 1))
else
    echo "not run: a screen reader's press (needs dbus-x11, at-spi2-core, python3-pyatspi)"
fi

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
    close_dialog "$results" # its title-bar button: Escape leaves it open
    close_window "$id" $app
    status_of $app; [ "$st" = 0 ] || fail "exit status $st after closing"
    cases=$((cases + 1))
done

# A sanitizer's report fails the test even where the exit status was not 0 anyway.
if grep -l -E 'Sanitizer|runtime error:' "$work"/*.log >/dev/null 2>&1; then
    fail "a sanitizer reported: $(grep -l -E 'Sanitizer|runtime error:' "$work"/*.log)"
fi
echo "$cases passed, 0 failed"
