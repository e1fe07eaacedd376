#!/bin/sh
# Starts the built tool under Xvfb with a settings file of your choice and saves a screenshot.
#   scripts/screenshot.sh OUT.png [config.ini] [seconds]
# The tool runs in a throw-away HOME, so your own settings are never touched.
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
mkdir -p "$root/home/.local/share/Corvane" "$root/work"
if [ -n "$ini" ]; then cp "$ini" "$root/home/.local/share/Corvane/config.ini"; fi
cat > "$root/shot.sh" <<EOS
#!/bin/sh
cd "$root/work"
HOME="$root/home" XDG_DATA_HOME="$root/home/.local/share" "$exe" > "$root/app.out" 2>&1 &
pid=\$!
sleep $secs
ffmpeg -loglevel error -y -f x11grab -video_size 1280x800 -i "\$DISPLAY" -frames:v 1 "$out"
kill \$pid
EOS
chmod +x "$root/shot.sh"
# The form's pixel geometry expects 96 dpi.
xvfb-run -a -s '-screen 0 1280x800x24 -dpi 96' "$root/shot.sh"
echo "saved $out"
