# The customisation by keyboard alone: F6 to a toolbar, Shift+F10 for the bars menu, C for Customize;
# in the dialog Space toggles the selected bar, Tab goes from the page's controls to the tabs and Close,
# the arrow keys change the page, and Escape closes it.
source "$(dirname "$0")/Session.sh"
start_plux
focus_in() { probe_says "focus $1" focus; }
click_at $((VIEW_X + 300)) $((VIEW_Y + 250))
wait_for 5 focus_in THtmlView

press F6
wait_for 5 focus_in TBarWindow
press shift+F10
wait_for 5 menus_open 1
xdotool key c
probe dialog Customize 10 >/dev/null || fail "Shift+F10 and C in a toolbar did not open the customisation"
wait_for 5 focus_in SysListView32
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
xdotool key shift+Tab shift+Tab
wait_for 5 focus_in SysTabControl32
xdotool key Right
wait_for 5 probe_says "selected 1" tab Customize 1
xdotool key Tab Tab
wait_for 5 focus_in ListBox
xdotool key Escape
probe dialog-closed Customize 10 || fail "Escape did not close the customisation"
close_plux || fail "plux did not close"
