#!/bin/sh
# Rebuilds the four sample drawings of the guided sequences in home/WDS by drawing them with the program's
# own tools: each NAME.vms here is replayed in a fresh home folder and the drawing it saved becomes
# home/WDS/NAME.BMS.   usage: data/wizard-samples/make-samples.sh [path/to/velmora [output folder]]
# The tests make them into a folder of their own and compare it with home/WDS, so the samples cannot drift
# from what the tools draw.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
velmora=${1:-$root/build/velmora}
out=${2:-$root/home/WDS}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in wizextm wizextft wizdrmm wizdrmft; do
    rm -rf "$work/home"
    cp -r "$root/home" "$work/home"
    : > "$work/home/CFG/LASTFILES.CFG"
    QT_QPA_PLATFORM=offscreen "$velmora" --headless --home "$work/home" --script "$here/$name.vms" > "$work/$name.log"
    cp "$work/home/DWGS/SAMPLE.BMS" "$out/$name.BMS"
    echo "$out/$name.BMS"
done
