# The Commands and Options pages and the link menu: a command dragged from the list onto a bar, a link
# dragged off a bar, a link's own caption and paint style, large icons; each survives a restart, and
# the layout file holds the values that say it.
source "$(dirname "$0")/CustomizeSession.sh"
start_plux
bar_facts Colours
colours_width=$BAR_W
bar_facts File
file_width=$BAR_W file_height=$BAR_H

open_customize
show_page 1
# The category list is below its label; its second category is File.
locate_control Customize "Cate&gories:"
click_at $((CTL_X + 10)) $((CTL_Y + 2 * CTL_H))
xdotool key Down
wait_for 20 entry_listed Print
screenshot customize-commands >/dev/null

locate_item Print
bar_facts Colours
drag_command $((ITEM_X + 30)) $((ITEM_Y + ITEM_H / 2)) $((BAR_X + BAR_W - 3)) $((BAR_Y + BAR_H / 2))
wait_for 20 wider Colours "$colours_width"
with_print=$BAR_W

bar_facts File
# Exit, the last link of File, dragged off the bars onto the report.
xdotool mousemove $((BAR_X + BAR_W - 13)) $((BAR_Y + BAR_H / 2)) mousedown 1
xdotool mousemove $((VIEW_X + VIEW_W / 2)) $((VIEW_Y + 20))
xdotool mousemove $((VIEW_X + VIEW_W / 2)) $((VIEW_Y + VIEW_H / 2)) mouseup 1
wait_for 20 narrower File "$file_width"
file_width=$BAR_W

# The new link is the last of Colours: its own caption, then the caption as what it shows.
bar_facts Colours
pick_from_link_menu $((BAR_X + BAR_W - 13)) $((BAR_Y + BAR_H / 2)) c
answer_prompt Caption "&Print" "&Drucken"
pick_from_link_menu $((BAR_X + BAR_W - 13)) $((BAR_Y + BAR_H / 2)) o
wait_for 20 wider Colours "$with_print"
colours_width=$BAR_W
screenshot customize-caption-only >/dev/null

show_page 2
screenshot customize-options >/dev/null
click_control Customize "&Large icons"
wait_for 20 probe_says "checked 1" control Customize "&Large icons"
poll_until 20 eval 'bar_facts File && [ "$BAR_H" -gt '"$file_height"' ]' || fail "large icons did not grow File"
large_height=$BAR_H
screenshot customize-large-icons >/dev/null
close_customize

restart_plux
bar_facts Colours
[ "$BAR_W" -eq "$colours_width" ] || fail "Colours is $BAR_W wide after the restart, not $colours_width"
bar_facts File
[ "$BAR_H" -eq "$large_height" ] || fail "File is $BAR_H high after the restart, not $large_height"
screenshot customized-bars >/dev/null
expect_layout frmPLUX.BarManager.Main LargeIcons 1
expect_layout frmPLUX.BarManager.Bar0 ItemLinkCount 4
expect_layout frmPLUX.BarManager.Bar0.ItemLink3 ItemName btnPrint
expect_layout frmPLUX.BarManager.Bar2 ItemLinkCount 3
expect_layout frmPLUX.BarManager.Bar2.ItemLink2 ItemName btnPrint
expect_layout frmPLUX.BarManager.Bar2.ItemLink2 UserDefine 5
expect_layout frmPLUX.BarManager.Bar2.ItemLink2 UserCaption "&Drucken"
expect_layout frmPLUX.BarManager.Bar2.ItemLink2 UserPaintStyle 1
