# Shared by the packaging tests: how they fail and skip, and where the package they share lies (package_dir,
# which each test sets from its first argument).
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# CTest counts exit status 77 as skipped.
skip() {
  echo "SKIP: $*"
  exit 77
}

need() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup --test installs it)"
  done
}

# Sets package to the one package the build test made, or skips when it made none (it was skipped itself).
find_package() {
  local packages=("$package_dir"/*.deb)
  [ -f "${packages[0]}" ] || skip "no package was built in $package_dir"
  [ ${#packages[@]} -eq 1 ] || fail "more than one package in $package_dir: ${packages[*]}"
  package=${packages[0]}
  package_root=$package_dir/root
}
