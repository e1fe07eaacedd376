#!/bin/sh
# Starts the built tool under Xvfb with a settings file of your choice and saves a screenshot.
#   scripts/screenshot.sh OUT.png [config.ini] [seconds]
# The tool runs in a throw-away HOME and temporary folder of its own, so your own settings are
# never touched and a copy running elsewhere (whose lock file lives in the temporary folder)
# does not stop it. Exits non-zero when the main window did not come up (the shot is still
# saved, to show what came up instead).
set -eu
out=$(realpath -m "$1")
ini=${2:-}
secs=${3:-4}
top=$(cd "$(dirname "$0")/.." && pwd)
exe=${CORVANE_EXE:-$top/build/app/Corvane}
[ -x "$exe" ] || exe=$top/build-test/app/Corvane
if [ ! -x "$exe" ]; then
  echo "screenshot: no built program (run ./scripts/run.sh or ./scripts/test.sh first)" >&2
  exit 1
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/home/.local/share/Corvane" "$root/work" "$root/tmp"
if [ -n "$ini" ]; then cp "$ini" "$root/home/.local/share/Corvane/config.ini"; fi
cat > "$root/shot.sh" <<EOS
#!/bin/sh
cd "$root/work"
HOME="$root/home" XDG_DATA_HOME="$root/home/.local/share" TMPDIR="$root/tmp" "$exe" > "$root/app.out" 2>&1 &
pid=\$!
sleep $secs
ffmpeg -loglevel error -y -f x11grab -video_size 1280x800 -i "\$DISPLAY" -frames:v 1 "$out"
# The tool logs its start state; "1" shows the main window (anything else, the wizard).
up=0
if kill -0 \$pid 2>/dev/null && grep -q 'MainWindow::startState: "1"' "$root/work/Corvane.log" 2>/dev/null; then up=1; fi
kill \$pid 2>/dev/null || true
[ \$up = 1 ]
EOS
chmod +x "$root/shot.sh"
# The form's pixel geometry expects 96 dpi.
if ! xvfb-run -a -s '-screen 0 1280x800x24 -dpi 96' "$root/shot.sh"; then
  echo "screenshot: the main window did not come up; saved what showed in $out" >&2
  exit 1
fi
echo "saved $out"
