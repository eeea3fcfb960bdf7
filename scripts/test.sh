#!/usr/bin/env bash
# Sets up, builds and runs every test, headless (the tests bring their own
# screen and Wine prefixes).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "${KORDEX_BUILD:-$root/build}"
ctest --output-on-failure "$@"
