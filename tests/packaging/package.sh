#!/usr/bin/env bash
# The desktop files' and the Debian package's validators and the package's contents; 77: a tool is missing.
set -euo pipefail
build=$1 cpack=$2 version=$3 app_id=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg-deb lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup --test installs it)"; exit 77; }
done
desktop-file-validate "$build/packaging/$app_id.desktop"
appstreamcli validate --no-net "$build/packaging/$app_id.metainfo.xml"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
package=$work/quenchmark_${version}_$(dpkg --print-architecture).deb root=$work/root
dpkg-deb -x "$package" "$root"
for path in applications/$app_id.desktop dbus-1/services/$app_id.service metainfo/$app_id.metainfo.xml icons/hicolor/256x256/apps/$app_id.png \
            man/man1/quenchmark.1.gz man/man1/quenchmark-sheet.1.gz doc/quenchmark/copyright; do
  [ -f "$root/usr/share/$path" ] || fail "the package lacks /usr/share/$path"
done
grep -qx "Exec=/usr/bin/quenchmark" "$root/usr/share/dbus-1/services/$app_id.service" ||
  fail "the D-Bus service does not start the installed program"
lintian --fail-on error,warning "$package"
echo "package $(basename "$package") as expected"
