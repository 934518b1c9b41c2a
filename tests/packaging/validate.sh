#!/usr/bin/env bash
# Runs one validator of desktop files, or skips when it is not installed.
# Usage: validate.sh TOOL ARGUMENT...
source "$(dirname "$0")/common.sh"
need "$1"
exec "$@"
