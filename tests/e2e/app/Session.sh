# Sourced by the scripts of this folder: strict mode and the end-to-end library (../Library.sh), which
# starts plux.exe, drives it by keys and clicks, looks at it and waits for what a script needs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../Library.sh"
