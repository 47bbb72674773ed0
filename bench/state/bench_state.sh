#!/usr/bin/env bash
# The main window's saves at its close beside safe writes of the same bytes, under Wine.
set -eu
source "$(dirname "$0")/../wine_bench.sh"
"$WINE" "$1"
