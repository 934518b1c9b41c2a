#!/usr/bin/env bash
# Looks into the built package: its control fields, what it installs with which owner and mode, stripped
# programs, compressed documents, and desktop files that name what the package really holds.
# Usage: package_contents.sh PACKAGE_DIR VERSION APP_ID PROGRAM...
source "$(dirname "$0")/common.sh"
package_dir=${1:?folder of the package}
version=${2:?version} app_id=${3:?application id}
shift 3
programs=("$@")
need dpkg-deb dpkg-parsechangelog readelf gzip
find_package

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = quenchmark ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), expected $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture $(field Architecture)"
# Libraries come from dpkg-shlibdeps (names by prefix: newer releases add suffixes such as t64); the
# platform plugins from the package's own list.
for dependency in libc6 libqt6core6 libqt6widgets6 libicu libpcre2-posix qt6-qpa-plugins; do
  [[ ", $(field Depends)" == *", $dependency"* ]] || fail "Depends lacks $dependency: $(field Depends)"
done
[[ "$(field Recommends)" == *qt6-wayland* ]] || fail "Recommends lacks qt6-wayland: $(field Recommends)"

# Owners and modes as the archive records them, which is what dpkg installs.
listing=$(dpkg-deb --fsys-tarfile "$package" | tar -tvf -)
while read -r mode owner _ _ _ path; do
  [ "$owner" = root/root ] || fail "$path is owned by $owner"
  case "$mode:$path" in
    d*) [ "$mode" = drwxr-xr-x ] || fail "directory $path has mode $mode" ;;
    -*:./usr/bin/*) [ "$mode" = -rwxr-xr-x ] || fail "program $path has mode $mode" ;;
    -*:./usr/share/*) [ "$mode" = -rw-r--r-- ] || fail "file $path has mode $mode" ;;
    *) fail "unexpected entry $mode $path" ;;
  esac
done <<<"$listing"

required=(
  usr/share/applications/$app_id.desktop
  usr/share/metainfo/$app_id.metainfo.xml
  usr/share/doc/quenchmark/copyright
  usr/share/doc/quenchmark/changelog.gz
)
for size in 16 32 48 256; do required+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"); done
for program in "${programs[@]}"; do required+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz"); done
for path in "${required[@]}"; do
  grep -qxF -- "./$path" <<<"$(awk '{print $6}' <<<"$listing")" || fail "the package lacks /$path"
done

for program in "${programs[@]}"; do
  sections=$(readelf -SW "$package_root/usr/bin/$program")
  if grep -qE ' \.(symtab|debug_[a-z]+|comment) ' <<<"$sections"; then fail "$program is not stripped"; fi
  readelf -d "$package_root/usr/bin/$program" | grep -q 'BIND_NOW' || fail "$program is not linked with -z now"
done

# gzip -9n: no file name and no time stamp in the header, so that rebuilding gives the same bytes.
manuals=("${programs[@]/#/usr/share/man/man1/}")
for document in "${manuals[@]/%/.1.gz}" usr/share/doc/quenchmark/changelog.gz; do
  gzip -t "$package_root/$document" || fail "$document is no valid gzip file"
  header=$(od -An -tx1 -N8 "$package_root/$document" | tr -d ' \n')
  [ "${header:6:10}" = 0000000000 ] || fail "$document has a name or time stamp in its gzip header ($header)"
done

changelog=$(mktemp)
trap 'rm -f "$changelog"' EXIT
gzip -dc "$package_root/usr/share/doc/quenchmark/changelog.gz" >"$changelog"
[ "$(dpkg-parsechangelog -l "$changelog" -S Version)" = "$version" ] ||
  fail "the changelog's newest entry is not for $version"
[ "$(dpkg-parsechangelog -l "$changelog" -S Source)" = quenchmark ] || fail "the changelog is not quenchmark's"

copyright=$package_root/usr/share/doc/quenchmark/copyright
head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
grep -qx 'License: Expat' "$copyright" || fail "copyright names no Expat (MIT) licence"
grep -q '^ Permission is hereby granted' "$copyright" || fail "copyright lacks the licence text"

# The desktop entry starts a program the package installs and shows an icon it installs.
desktop=$package_root/usr/share/applications/$app_id.desktop
exec_line=$(grep '^Exec=' "$desktop") || fail "the desktop entry has no Exec line"
[ -x "$package_root/usr/bin/${exec_line#Exec=}" ] || fail "$exec_line starts no program of the package"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
  "$package_root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not launch $app_id.desktop"
echo "package contents as expected: $(wc -l <<<"$listing") entries"
