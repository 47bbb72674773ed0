# The Commands page lists "Check Required Versions..." under a category of its own; dragged from there
# onto a bar, its button runs it.
source "$(dirname "$0")/RequiredVersionsSession.sh"
start_plux
bar_facts Colours
colours_width=$BAR_W

open_customize
show_page 1
# The category list is below its label; the command's category is its last.
locate_control Customize "Cate&gories:"
click_at $((CTL_X + 10)) $((CTL_Y + 2 * CTL_H))
xdotool key End
wait_for 20 entry_listed "Check Required Versions..."
! entry_listed Print || fail "the command shares its category with Print"
screenshot customize-required-versions >/dev/null
locate_item "Check Required Versions..."
bar_facts Colours
drag_command $((ITEM_X + 30)) $((ITEM_Y + ITEM_H / 2)) $((BAR_X + BAR_W - 3)) $((BAR_Y + BAR_H / 2))
wait_for 20 wider Colours "$colours_width"
close_customize

bar_facts Colours
click_at $((BAR_X + BAR_W - 13)) $((BAR_Y + BAR_H / 2))
answer_open_dialog "$(windows_path "$RULES/$RULES_NAME")"
wait_for 10 view_shows FF0000 DCFED6
screenshot required-versions-from-a-bar >/dev/null
