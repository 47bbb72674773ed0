# Sourced by the scripts of this folder: strict mode, the end-to-end library (../Library.sh), and the
# reader of accessible objects.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../Library.sh"

# What an assistive program finds in plux's windows, one object a line (see PluxAccess_win.cpp).
access_tree() { wine_quiet "$PLUX_ACCESS" tree; }
# Whether the tree has a line matching the extended regular expression PATTERN.
tree_has() { access_tree | grep -qE -- "$1"; }
