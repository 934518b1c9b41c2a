#!/usr/bin/env bash
# Runs Debian's package checker on the built package; an error or a warning fails, notes are shown.
# Usage: package_lint.sh PACKAGE_DIR
source "$(dirname "$0")/common.sh"
package_dir=${1:?folder of the package}
need lintian
find_package
lintian --fail-on error,warning --display-info "$package"
echo "lintian: no errors or warnings"
