# Tool tips: the short hint with the shortcut in brackets, none for an empty hint, and one for the
# chooser while it is disabled.
source "$(dirname "$0")/Session.sh"
start_plux

# Waits up to 5 s for the tool tip $1 (empty: waits 2 s and expects none).
expect_tip() {
    local tries tips
    for tries in $(seq 1 ${2:-50}); do
        tips=$(probe tooltips)
        if [ -n "$1" ] && grep -qxF "tooltip $1" <<<"$tips"; then return 0; fi
        sleep 0.1
    done
    [ -z "$1" ] && ! grep -q '^tooltip .' <<<"$tips"
}

locate_bar "File"
row_y=$((BAR_Y + BAR_H / 2))
after_chooser=$((COMBO_X + COMBO_W))

hover_at $((after_chooser + 6 + 11)) $row_y
expect_tip "Save current result (Ctrl+S)" || fail "Save Result tip"
screenshot tool-tip >/dev/null

hover_at $((BAR_X + 10 + 11)) $row_y
expect_tip "" 20 || fail "Do Check shows a tip"
hover_at $((after_chooser + 6 + 23 + 11)) $row_y
expect_tip "" 20 || fail "Print shows a tip"

hover_at $((COMBO_X + 40)) $row_y
expect_tip "Select a file to compare to" || fail "the disabled chooser's tip"

locate_bar "Colours"
hover_at $((BAR_X + 40)) $((BAR_Y + BAR_H / 2))
expect_tip "Color 1" || fail "Color 1 tip"
