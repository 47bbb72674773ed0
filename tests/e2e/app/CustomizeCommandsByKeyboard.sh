# A command put on a bar without the mouse: the customisation opened by keys (F6 to a toolbar, Shift+F10,
# C), the Commands page by the tabs, a category and a command chosen by keys, and the bars menu of the
# command (Shift+F10 or Enter): Escape leaves the bars as they are, File picked by the arrow keys gets
# the command after its last link, where the layout file keeps it once plux has closed.
source "$(dirname "$0")/CustomizeSession.sh"
start_plux
bar_facts File
file_width=$BAR_W
open_customize_by_keys

# The Commands page by the tabs; Required Versions is the last category.
show_commands_page_by_keys
xdotool key End Tab
wait_for 5 focus_in SysListView32
wait_for 10 entry_listed "Check Required Versions..."
xdotool key Home

# Escape closes the bars menu and changes nothing; the dialog stays.
xdotool key shift+F10
wait_for 5 menus_open 1
screenshot customize-bars-menu >/dev/null
xdotool key Escape
wait_for 5 menus_open 0
control_shown Customize Close || fail "Escape in the bars menu closed the dialog"
bar_facts File
[ "$BAR_W" -eq "$file_width" ] || fail "Escape in the bars menu changed File"

# Enter offers the bars too; File is the first of them.
xdotool key Return
wait_for 5 menus_open 1
xdotool key Down Return
wait_for 20 wider File "$file_width"
screenshot customize-added-by-keyboard >/dev/null
focus_in SysListView32 || fail "the command list lost the focus"
xdotool key Escape
probe dialog-closed Customize 10 || fail "Escape did not close the customisation"
close_plux || fail "plux did not close"

section=$(bar_section File)
[ -n "$section" ] || fail "no File bar in the layout file"
count=$(layout_value "$section" ItemLinkCount)
expect_layout "$section.ItemLink$((count - 1))" ItemName btnCheckRequiredVersions
