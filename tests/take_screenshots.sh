#!/usr/bin/env bash
# Pictures for a person to look at: the frame, every menu, the help window, the colour chooser and every
# dialog, in a real X server (Xvfb) under a light window manager, at 1x and 2x screen scale, plus a shot of
# the whole screen with the frame in its window-manager frame.
#   take_screenshots.sh BUILD_DIR OUT_DIR
# Needs the Debian packages xvfb, openbox and imagemagick (for the whole-screen shot); not part of ctest.
set -eu
BUILD=$(realpath "$1") OUT=$(realpath -m "$2")
for tool in xvfb-run openbox; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
if [ -z "${VELMORA_SHOTS_INSIDE:-}" ]; then
    VELMORA_SHOTS_INSIDE=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"
fi
openbox >/dev/null 2>&1 &
WM=$!
trap 'kill $WM 2>/dev/null' EXIT
sleep 1
for scale in 1 2; do
    mkdir -p "$OUT/${scale}x"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale VELMORA_SHOTS="$OUT/${scale}x" \
        "$BUILD/tests/qt_tests" --gtest_filter='FrameTest.Screenshots*:Screenshots.*' | tail -1
done
if command -v import >/dev/null; then
    home=$(mktemp -d)
    cp -r "$(dirname "$0")/../home/." "$home"
    QT_QPA_PLATFORM=xcb "$BUILD/velmora" --home "$home" >/dev/null 2>&1 &
    APP=$!
    sleep 4
    import -window root "$OUT/screen-with-window-manager.png" || true
    kill $APP 2>/dev/null || true
    rm -rf "$home"
fi
echo "pictures in $OUT"
