# Sourced by the scripts of this folder: strict mode and the end-to-end library (../Library.sh), which
# starts plux.exe, drives it by keys and clicks, looks at it and waits for what a script needs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../Library.sh"

# Presses Ctrl+S and waits for Save Result's input dialog; DIALOG_EDIT is the text its edit field offers.
open_save_dialog() {
    press ctrl+s
    local facts
    facts=$(probe dialog '#1' 10) || fail "no input dialog after Ctrl+S"
    DIALOG_EDIT=$(sed -n 's/^edit //p' <<<"$facts")
    activate_window "$(xdotool search --name '^#1$' | head -1)"
}

# Presses KEYS... in the input dialog and waits until they have closed it.
answer() {
    xdotool key "$@"
    probe dialog-closed '#1' 10 || fail "the input dialog stayed open after $*"
}
