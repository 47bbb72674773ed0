# The customisation by keyboard alone: F6 to a toolbar, Shift+F10 for the bars menu, C for Customize;
# in the dialog Space toggles the selected bar, Tab goes from the page's controls to the tabs and Close,
# the arrow keys change the page, and Escape closes it.
source "$(dirname "$0")/Session.sh"
start_plux
open_customize_by_keys
screenshot customize-by-keyboard >/dev/null

# The first entry is the File bar: Space hides it and shows it again.
xdotool key Home space
wait_for 10 not bar_shown File
xdotool key space
wait_for 10 bar_shown File

# Tab: the page's enabled buttons (New and Reset for a designed bar), then the tabs, then Close, then
# round to the list.
classes=()
for step in 1 2 3 4 5; do
    xdotool key Tab
    sleep 0.2
    classes+=("$(probe focus | sed -n 's/^focus //p')")
done
order="${classes[*]}"
[[ "$order" == "Button Button SysTabControl32 Button SysListView32" ]] ||
    fail "the tab order is: $order"
# On the tabs, Right shows the Commands page, whose lists Tab reaches next.
show_commands_page_by_keys
xdotool key Escape
probe dialog-closed Customize 10 || fail "Escape did not close the customisation"
close_plux || fail "plux did not close"
