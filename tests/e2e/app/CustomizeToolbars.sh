# The Toolbars page of the customisation dialog, opened from the dock's context menu: a bar hidden and
# shown by its check box, a bar of the user's made, renamed and deleted, a designed bar changed and reset;
# what is left survives a restart, and the layout file holds it.
source "$(dirname "$0")/CustomizeSession.sh"
start_plux
bar_facts File
file_width=$BAR_W

open_customize
screenshot customize-toolbars >/dev/null

# The check box sits at the left of its entry. Two clicks on one spot within the double-click time
# are a double click, which the list takes for an activation, not two toggles: each click lands a few
# pixels away from the one before.
TOGGLE_DX=6
toggle_bar() {
    locate_item "$1"
    TOGGLE_DX=$((14 - TOGGLE_DX))
    click_at $((ITEM_X + TOGGLE_DX)) $((ITEM_Y + ITEM_H / 2))
}
toggle_bar Colours
wait_for 20 not bar_shown Colours
wait_for 10 probe_says "checked 0" list-item Customize Colours
toggle_bar Colours
wait_for 20 bar_shown Colours
toggle_bar Colours
wait_for 20 not bar_shown Colours

click_control Customize "&New..."
answer_prompt "New Bar" "Custom 1" Extras
wait_for 20 entry_listed Extras
wait_for 20 bar_shown Extras
click_control Customize "&Rename..."
answer_prompt "Rename Bar" Extras "My Tools"
wait_for 20 entry_listed "My Tools"
wait_for 20 bar_shown "My Tools"

click_control Customize "&New..."
answer_prompt "New Bar" "Custom 1" Spare
wait_for 20 bar_shown Spare
click_control Customize "&Delete"
wait_for 20 control_shown Customize 'Delete the bar "Spare"?'
click_control Customize OK
wait_for 20 not bar_shown Spare
wait_for 10 not entry_listed Spare

# A designed bar loses its last link through the link menu, then Reset brings its design back.
bar_facts File
pick_from_link_menu $((BAR_X + BAR_W - 13)) $((BAR_Y + BAR_H / 2)) d
poll_until 20 eval 'bar_facts File && [ "$BAR_W" -lt '"$file_width"' ]' || fail "the link stayed on File"
locate_item File
click_at $((ITEM_X + 40)) $((ITEM_Y + ITEM_H / 2))
wait_for 10 probe_says "selected 1" list-item Customize File
click_control Customize "R&eset..."
wait_for 20 control_shown Customize 'Reset the bar "File" to its design? Its changes are lost.'
screenshot customize-reset-question >/dev/null
click_control Customize OK
poll_until 20 eval 'bar_facts File && [ "$BAR_W" -eq '"$file_width"' ]' || fail "Reset did not restore File"
close_customize

restart_plux
not bar_shown Colours || fail "Colours shows again after the restart"
bar_shown "My Tools" || fail "the new bar is gone after the restart"
not bar_shown Spare || fail "the deleted bar is back"
bar_facts File
[ "$BAR_W" -eq "$file_width" ] || fail "File is $BAR_W wide after the restart, not $file_width"
expect_layout frmPLUX.BarManager.Bar2 Caption Colours
expect_layout frmPLUX.BarManager.Bar2 Visible 0
section=$(bar_section "My Tools")
[ -n "$section" ] || fail "no bar \"My Tools\" in the layout file"
expect_layout "$section" Visible 1
expect_layout "$section" ItemLinkCount 0
[ -z "$(bar_section Spare)" ] || fail "the deleted bar is in the layout file"
expect_layout frmPLUX.BarManager.Main BarCount 4
expect_layout frmPLUX.BarManager.Bar0 ItemLinkCount 5
expect_layout frmPLUX.BarManager.Bar0.ItemLink4 ItemName btnFileExit
