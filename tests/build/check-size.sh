#!/usr/bin/env bash
# The shipped exe adds at most 300 KB to the payload it carries: its size
# less the sizes of the payload's items.
set -euo pipefail
exe=$1 payload=$2
limit=$((300 * 1024))
items=$(cat "$payload"/* | wc -c)
overhead=$(($(stat -c %s "$exe") - items))
echo "$exe: $(stat -c %s "$exe") bytes, payload $items, overhead $overhead (limit $limit)"
((overhead <= limit)) || { echo "the exe's overhead is over 300 KB" >&2; exit 1; }
