#!/usr/bin/env bash
# Two assistants chatting for real, as a new user would: two network namespaces joined by a veth
# pair (198.51.100.1 and .2), each running the staged Lanmate.dat under its own Xvfb display,
# program folder, TMPDIR and host name. Discovers, chats both ways, sends a file that the other
# side accepts and saves, closes both through their local servers, and leaves screenshots, both
# chat logs and the received file in OUT. Needs root, ip, Xvfb, xdotool and imagemagick.
# Usage: scripts/lanmate-two-assistants.sh [OUT] (the namespaces are PREFIX-a and PREFIX-b, PREFIX
# from LANMATE_NS_PREFIX, default "dlu"; they are deleted at the end).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/lanmate-two}
prefix=${LANMATE_NS_PREFIX:-dlu}
app=$root/build/app
[ -x "$app/Lanmate.dat" ] || { echo "build first: $app/Lanmate.dat is missing" >&2; exit 1; }

pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    ip netns del "$prefix-a" 2>/dev/null || true
    ip netns del "$prefix-b" 2>/dev/null || true
}
trap cleanup EXIT

free_display() {
    for n in $(seq "$1" 199); do [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return; }; done
}

ip netns add "$prefix-a"
ip netns add "$prefix-b"
ip link add "$prefix-va" type veth peer name "$prefix-vb"
ip link set "$prefix-va" netns "$prefix-a"
ip link set "$prefix-vb" netns "$prefix-b"
ip -n "$prefix-a" addr add 198.51.100.1/24 dev "$prefix-va"
ip -n "$prefix-b" addr add 198.51.100.2/24 dev "$prefix-vb"
for side in a b; do
    ip -n "$prefix-$side" link set lo up
    ip -n "$prefix-$side" link set "$prefix-v$side" up
done

rm -rf "$out"
mkdir -p "$out"
declare -A display host
display[a]=$(free_display 160)
display[b]=$(free_display $((display[a] + 1)))
host[a]=alpha
host[b]=beta
for side in a b; do
    mkdir -p "$out/$side/app" "$out/$side/tmp" "$out/$side/received"
    cp "$app/Lanmate.dat" "$app/talkRecords.txt" "$out/$side/app/"
    # The display runs in the namespace too; the X socket file lets xdotool reach it from here.
    ip netns exec "$prefix-$side" Xvfb ":${display[$side]}" -screen 0 800x700x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
done
for side in a b; do
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display[$side]}" ] && break; sleep 0.1; done
    ip netns exec "$prefix-$side" unshare --uts sh -c "hostname ${host[$side]} && \
        DISPLAY=:${display[$side]} TMPDIR=$out/$side/tmp QT_QPA_PLATFORM=xcb exec $out/$side/app/Lanmate.dat" \
        >"$out/$side/lanmate.log" 2>&1 &
    pids+=($!)
done

x() { local side=$1; shift; DISPLAY=":${display[$side]}" "$@"; }
shot() { x "$1" import -window root "$out/$2.png"; echo "screenshot $out/$2.png"; }
window() { x "$1" xdotool search --sync --onlyvisible --name "$2" | head -1; }
# Geometry of a window: sets X, Y, WIDTH, HEIGHT.
geometry() { eval "$(x "$1" xdotool getwindowgeometry --shell "$2")"; }
click() { x "$1" xdotool mousemove "$2" "$3" click 1; sleep 0.5; }
press() { x "$1" xdotool key "$2"; sleep 0.5; }
answer() { # focus the box titled $2 and press Return (Yes / OK)
    local wid
    wid=$(window "$1" "$2")
    x "$1" xdotool windowfocus --sync "$wid"
    press "$1" Return
}

declare -A mx my
for side in a b; do
    wid=$(window "$side" '^Lanmate$')
    geometry "$side" "$wid"
    mx[$side]=$X
    my[$side]=$((Y + HEIGHT - 506)) # top of the client area, below the menu bar
done
sleep 2

choose_contact() { # side: open the contact list, screenshot it, double-click its first row
    local side=$1
    click "$side" $((mx[$side] + 183)) $((my[$side] + 15))
    local wid
    wid=$(window "$side" '联系人')
    sleep 2
    shot "$side" "$side-contacts"
    geometry "$side" "$wid"
    x "$side" xdotool mousemove $((X + 30)) $((Y + 30)) click --repeat 2 --delay 80 1
    sleep 1
}
chat() { # side text: message mode, type, Ctrl+Return
    local side=$1 text=$2
    click "$side" $((mx[$side] + 250)) $((my[$side] + 104))
    click "$side" $((mx[$side] + 60)) $((my[$side] + 104))
    x "$side" xdotool type --delay 40 "$text"
    press "$side" ctrl+Return
}

choose_contact a
chat a "hello beta, 你好"
choose_contact b
chat b "hi alpha, 收到了"
sleep 1
shot a a-chat
shot b b-chat

# A file from alpha to beta: file mode, browse, send; beta accepts and saves it.
printf 'notes from alpha\n第二行\n' >"$out/a/notes.txt"
click a $((mx[a] + 250)) $((my[a] + 56))
click a $((mx[a] + 224)) $((my[a] + 60))
wid=$(window a '选择您要传送的文件')
x a xdotool windowfocus --sync "$wid"
x a xdotool type --delay 20 "$out/a/notes.txt"
press a Return
click a $((mx[a] + 160)) $((my[a] + 131))
sleep 1
shot b b-offer
answer b '接收到传送文件信息'
# Beta chooses where the file goes before its answer leaves.
wid=$(window b '设置接收后保存的路径')
x b xdotool windowfocus --sync "$wid"
press b ctrl+a
x b xdotool type --delay 20 "$out/b/received/notes.txt"
press b Return
answer a '响应'
sleep 1
shot b b-saved
shot a a-sent
answer b '成功'
answer a '结果'

# Close both as the diary does: "close\n" on the local server, "closed\n" back.
for side in a b; do
    reply=$(python3 -c '
import socket, sys
s = socket.socket(socket.AF_UNIX)
s.connect(sys.argv[1])
s.sendall(b"close\n")
s.settimeout(5)
print(repr(s.recv(64)))' "$out/$side/tmp/Lanmate")
    echo "$side: close request answered $reply"
done
sleep 1
cmp "$out/a/notes.txt" "$out/b/received/notes.txt" && echo "received file identical"
for side in a b; do echo "$side chat log:"; python3 - "$out/$side/app/talkRecords.txt" <<'PY'
import re, sys
print(open(sys.argv[1], encoding="ascii").read())
PY
done
