#!/usr/bin/env bash
# Real keys on the real window: velmora under Xvfb, a real X server, with keys sent by xdotool as a keyboard
# sends them, on a 1280 x 720 screen. Every menu shortcut, Alt+letter and drawing key is sent with the sample
# drawing open and again with no drawing; the program must be alive after each, the menus must open, New
# and Open must show their dialogs, F1 its help, and the drawing must read back as it was. The frame must fit
# the screen. At the end the File menu's Exit, chosen from the keyboard, ends the program cleanly.
#   xvfb_keys.sh VELMORA VELMORA_CLI HOME_TEMPLATE WORK
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -u

if [ $# -ne 4 ]; then
    echo "usage: $0 VELMORA VELMORA_CLI HOME_TEMPLATE WORK" >&2
    exit 2
fi
VELMORA=$1 CLI=$2 TEMPLATE=$3 WORK=$4
SCREEN_WIDTH=1280 SCREEN_HEIGHT=720

for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages xvfb and xdotool); the real-window key test needs it"
        exit 77
    fi
done

# The checks run inside the X server that xvfb-run starts for them.
if [ -z "${VELMORA_XVFB_INSIDE:-}" ]; then
    VELMORA_XVFB_INSIDE=1 exec xvfb-run -a -s "-screen 0 ${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" bash "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

PID="" FRAME=""
alive() { kill -0 "$PID" 2>/dev/null; }

# Waits until a visible window whose name matches the pattern is there.
wait_window() {
    local found
    for _ in $(seq 1 50); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && echo "$found" && return 0
        sleep 0.1
    done
    return 1
}

# The program's visible windows other than the frame and the help window: the boxes and menus keys opened.
opened() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$PID" 2>/dev/null); do
        [ "$w" = "$FRAME" ] && continue
        case "$(xdotool getwindowname "$w" 2>/dev/null)" in
        "Velmora 11.1 Help"*) ;;
        *) echo "$w" ;;
        esac
    done
}

# There is no window manager: when a box closes, nobody gives the frame the keyboard again. This does what
# a window manager would: each box or menu the keys left open is left with Escape, then the frame has the
# keyboard focus.
settle() {
    local w
    for _ in 1 2 3 4 5; do
        local open
        open=$(opened)
        [ -z "$open" ] && break
        for w in $open; do
            xdotool windowfocus --sync "$w" 2>/dev/null
            xdotool key Escape
        done
        sleep 0.2
    done
    [ -z "$(opened)" ] || fail "a window stays open: $(for w in $(opened); do xdotool getwindowname "$w"; done)"
    xdotool windowfocus --sync "$FRAME" 2>/dev/null
}

# Sends the keys to the frame; the program must still be running. OPENED: the names of the windows they
# opened, one a line.
OPENED=""
press() {
    xdotool key --clearmodifiers "$@"
    sleep 0.3
    alive || {
        fail "velmora died after the keys: $*"
        return 1
    }
    OPENED=$(for w in $(opened); do xdotool getwindowname "$w" 2>/dev/null; done)
    settle
}

# Keys that must open a window whose name matches the pattern (it is then left with Escape); a menu is a
# window of its own, named as the program.
press_for_window() {
    press "$1" || return
    [ -n "$OPENED" ] && grep -q -- "$2" <<<"$OPENED" || fail "$1 showed no window \"$2\" (it showed: $OPENED)"
}

# The File menu's Exit from the keyboard: Alt+F opens the menu, Up wraps to its last item, Exit.
exit_from_the_menu() {
    xdotool key --clearmodifiers alt+f
    sleep 0.3
    xdotool key Up Return
    wait_for_the_end "Exit from the File menu"
}

# Exit by its standard key.
exit_by_ctrl_q() {
    xdotool key --clearmodifiers ctrl+q
    wait_for_the_end "Ctrl+Q"
}

wait_for_the_end() {
    for _ in $(seq 1 50); do
        alive || break
        sleep 0.1
    done
    if alive; then
        fail "$1 did not end the program"
        kill "$PID"
    fi
    wait "$PID"
    local status=$?
    [ "$status" -eq 0 ] || fail "velmora exited with $status"
}

# One run: a fresh home folder; with "drawing" the start-up opens the sample house (recent entry 1),
# without it the recent list is empty and the start-up only says it found no drawing.
run() {
    local mode=$1 home="$WORK/$1"
    rm -rf "$home"
    mkdir -p "$WORK"
    cp -r "$TEMPLATE" "$home"
    local drawing="$home/DWGS/Sample House.BMS"
    [ "$mode" = drawing ] || printf '0 0 0 0 ' >"$home/CFG/LASTFILES.CFG"
    local before
    before=$("$CLI" --home "$home" info "$drawing")

    "$VELMORA" --home "$home" >"$WORK/$mode.log" 2>&1 &
    PID=$!
    local title='^Velmora 11.1$'
    [ "$mode" = drawing ] && title='\[Sample House'
    FRAME=$(wait_window "$title") || {
        fail "no window \"$title\" ($mode)"
        kill "$PID"
        return
    }
    sleep 0.5
    settle # the start-up without a drawing says "no drawing of that name"
    local WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$FRAME" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
    [ "$WIDTH" -le "$SCREEN_WIDTH" ] && [ "$HEIGHT" -le "$SCREEN_HEIGHT" ] ||
        fail "the frame is ${WIDTH}x${HEIGHT}, larger than the ${SCREEN_WIDTH}x${SCREEN_HEIGHT} screen ($mode)"
    command -v import >/dev/null && import -window root "$WORK/$mode.png"

    # The shortcuts of the menus (those whose commands are not built do nothing), keys of no menu, the
    # menus' Alt letters, and the drawing keys.
    local keys
    for keys in ctrl+s ctrl+y ctrl+z ctrl+u ctrl+r ctrl+d ctrl+c ctrl+v ctrl+m ctrl+w alt+q \
        Left Right Up Down Return KP_Enter Escape a Z 5 space ctrl+Left; do
        press "$keys" || return
    done
    for keys in alt+f alt+p alt+z alt+e alt+t alt+d alt+o alt+c alt+l alt+h; do
        press_for_window "$keys" '^Velmora 11.1$' || return
    done
    if [ "$mode" = drawing ]; then
        press F1 || return
        wait_window 'Velmora 11.1 Help' >/dev/null || fail "F1 showed no help"
    else
        press_for_window F1 '^Velmora 11.1$' # "You must open a drawing FILE first"
    fi
    # Save As by its standard key, with a drawing to save.
    [ "$mode" = drawing ] && press_for_window ctrl+shift+s '^save drawing to a new name$'
    press_for_window ctrl+o '^Open$'
    press_for_window ctrl+n '^new drawing$'
    # New left the drawing when its dialog opened; Escape opened nothing instead.
    [ "$mode" = drawing ] && { xdotool getwindowname "$FRAME" | grep -q '^Velmora 11.1$' ||
        fail "the drawing is still open after New"; }
    if alive; then
        if [ "$mode" = drawing ]; then exit_from_the_menu; else exit_by_ctrl_q; fi
    fi

    local after
    after=$("$CLI" --home "$home" info "$drawing")
    [ "$before" = "$after" ] || fail "the drawing changed ($mode): before: $before after: $after"
}

run drawing
run empty

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed; program output in $WORK/*.log"
    exit 1
fi
echo "velmora took every key under Xvfb with a drawing open and without"
