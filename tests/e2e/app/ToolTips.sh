# Tool tips: the short hint with the shortcut in brackets, none for an empty hint, and one for the
# chooser while it is disabled.
source "$(dirname "$0")/Session.sh"
start_plux

# Waits for the tool tip TEXT to show.
expect_tip() { poll_until 5 probe_says "tooltip $1" tooltips || fail "no tool tip \"$1\": $(probe tooltips)"; }
# A tip shows once the pointer has rested for the control's initial delay (0.5 s); that none shows can
# only be seen after it has run out, so this lets the hover timer run, twice over.
expect_no_tip() {
    sleep 1
    ! probe tooltips | grep -q '^tooltip .' || fail "a tool tip shows: $(probe tooltips)"
}

locate_bar "File"
row_y=$((BAR_Y + BAR_H / 2))
after_chooser=$((COMBO_X + COMBO_W))

hover_at $((after_chooser + 6 + 11)) $row_y
expect_tip "Save current result (Ctrl+S)"
screenshot tool-tip >/dev/null

hover_at $((BAR_X + 10 + 11)) $row_y
expect_no_tip
hover_at $((after_chooser + 6 + 23 + 11)) $row_y
expect_no_tip

hover_at $((COMBO_X + 40)) $row_y
expect_tip "Select a file to compare to"

locate_bar "Colours"
hover_at $((BAR_X + 40)) $((BAR_Y + BAR_H / 2))
expect_tip "Color 1"
