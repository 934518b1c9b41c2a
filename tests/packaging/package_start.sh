#!/usr/bin/env bash
# Starts the program from the unpacked package, headless and with settings and runtime files of its own: it
# must find every library, come up and answer on its single-instance socket, and a second start must hand
# over to it and end at once.
# Usage: package_start.sh PACKAGE_DIR
source "$(dirname "$0")/common.sh"
package_dir=${1:?folder of the package}
find_package
program=$package_root/usr/bin/quenchmark

missing=$(ldd "$program" | grep 'not found' || true)
[ -z "$missing" ] || fail "libraries missing for the unpacked program: $missing"

session=$(mktemp -d)
first=
cleanup() {
  if [ -n "$first" ]; then kill "$first" 2>/dev/null || true; wait "$first" 2>/dev/null || true; fi
  rm -rf "$session"
}
trap cleanup EXIT
mkdir -p "$session/config" "$session/runtime"
chmod 700 "$session/runtime"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$session/config XDG_RUNTIME_DIR=$session/runtime
unset XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID

"$program" >"$session/first.log" 2>&1 &
first=$!
socket=$XDG_RUNTIME_DIR/quenchmark.socket
for _ in $(seq 200); do
  [ -S "$socket" ] && break
  kill -0 "$first" 2>/dev/null || { cat "$session/first.log"; fail "the program ended at start"; }
  sleep 0.1
done
[ -S "$socket" ] || { cat "$session/first.log"; fail "no single-instance socket after 20 s"; }

# A second start that missed the first would open a window of its own and keep running.
status=0
timeout 20 "$program" >"$session/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$session/second.log"; fail "the second start ended with status $status"; }
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"
echo "the unpacked program came up, and a second start handed over to it"
