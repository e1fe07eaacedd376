#!/bin/sh
# Runs one test program in folders of its own, so that its log, lock file and config.ini never
# touch another test's or the user's. With --netns it also runs in a new network namespace in
# which only loopback is up: fixed ports (7791 and the rest) cannot collide between tests, and
# nothing the test sends can leave the machine.
set -eu
netns=0
if [ "${1:-}" = "--netns" ]; then netns=1; shift; fi

root=$(mktemp -d "${TMPDIR:-/tmp}/corvane-test.XXXXXX")
trap 'rm -rf "$root"' EXIT INT TERM
mkdir -p "$root/work" "$root/tmp" "$root/home" "$root/xdg-config" "$root/xdg-data" "$root/xdg-cache" "$root/xdg-runtime"
chmod 700 "$root/xdg-runtime"
export HOME="$root/home" TMPDIR="$root/tmp" XDG_CONFIG_HOME="$root/xdg-config" \
       XDG_DATA_HOME="$root/xdg-data" XDG_CACHE_HOME="$root/xdg-cache" XDG_RUNTIME_DIR="$root/xdg-runtime"
export CORVANE_TEST_ROOT="$root"
cd "$root/work"

status=0
if [ "$netns" = 1 ]; then
  # Inside the new namespace loopback comes up first; the whole 127.0.0.0/8 is then local.
  unshare --net -- /bin/sh -c 'ip link set lo up && exec "$@"' sh "$@" || status=$?
else
  "$@" || status=$?
fi
exit "$status"
