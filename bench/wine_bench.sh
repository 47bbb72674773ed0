# Sourced by the benchmarks that run under Wine: a prefix of their own (build/wine-bench) without a
# display, a work folder removed at the end, the test products, and timing of whole processes.
source "$(dirname "${BASH_SOURCE[0]}")/../tools/common.sh"
ensure_packages bc python3
use_wine_prefix wine-bench
unset DISPLAY
trap stop_wine EXIT
start_wine
ROOT_KEY='HKLM\SOFTWARE\Component Suite VCL Products'
work=$(mktemp -d)
trap 'stop_wine; rm -rf "$work"' EXIT

ROUNDS=${ROUNDS:-10}
elapsed_ms() {
    local start end
    start=$(date +%s%N)
    "$@" </dev/null >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
}
keep_best() { [ -z "${!1}" ] || [ "$2" -lt "${!1}" ] && printf -v "$1" '%s' "$2"; return 0; }

# import_products COUNT [SNAPSHOT_FILE]: COUNT test products in the registry, and a snapshot that
# matches them when a file is named.
import_products() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/make_products.py" "$1" "$work/products.reg" ${2:+"$2"}
    "$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true
    "$WINE" reg import "$work/products.reg" /reg:32 </dev/null >/dev/null 2>&1
}
remove_products() { "$WINE" reg delete "$ROOT_KEY" /f /reg:32 </dev/null >/dev/null 2>&1 || true; }
