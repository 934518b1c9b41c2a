#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and unpacks it into a root of its own, for the
# tests that look at the package and run the program from it.
# Usage: build_package.sh PACKAGE_DIR BUILD_DIR CPACK VERSION
source "$(dirname "$0")/common.sh"
package_dir=${1:?folder of the package}
build_dir=${2:?build folder} cpack=${3:?cpack} version=${4:?version}
need dpkg-deb dpkg-shlibdeps

rm -rf "$package_dir"
mkdir -p "$package_dir"
"$cpack" --config "$build_dir/CPackConfig.cmake" -B "$package_dir" >"$package_dir/cpack.log" 2>&1 ||
  { cat "$package_dir/cpack.log"; fail "cpack failed"; }
rm -rf "$package_dir/_CPack_Packages"

# The name that README tells people to install.
expected=$package_dir/quenchmark_${version}_$(dpkg --print-architecture).deb
find_package
[ "$package" = "$expected" ] || fail "package built as $package, expected $expected"
dpkg-deb -x "$package" "$package_root"
echo "built $(basename "$package"): $(stat -c %s "$package") bytes"
