# The commands' keys and the menu keys work wherever the keyboard focus is within the window, a floating
# bar included: with the File bar floating and the focus in its snapshot chooser, Ctrl+E runs the check,
# Alt and then F, and F10 and then F, open the File menu.
source "$(dirname "$0")/BarSession.sh"
import_products example.reg
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"  # a snapshot, so that the chooser takes the focus
start_plux
end_plux
float_in_layout 0 $((CLIENT_X + 150)) $((CLIENT_Y + 200))  # File
start_plux
wait_bar_on File float
locate_bar File

# A click into the chooser's box: the floating window is active and the box's field has the focus.
click_at $((COMBO_X + 20)) $((COMBO_Y + COMBO_H / 2))
wait_for 10 probe_says "focus Edit" focus
probe_says "active TFloatBar" focus || fail "the floating window is not active: $(probe focus | tr '\n' ' ')"
screenshot floating-chooser-focused >/dev/null

report_shows_bands() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6; }
xdotool key ctrl+e
poll_until 20 report_shows_bands || fail "Ctrl+E in the floating chooser did not run the check"
screenshot floating-chooser-ctrl-e >/dev/null

for keys in "alt f" "F10 f"; do
    probe_says "focus Edit" focus || fail "the chooser lost the focus before $keys"
    read -r first second <<<"$keys"
    xdotool key "$first"
    xdotool key "$second"
    poll_until 10 menus_open 1 || fail "$first, then F in the floating chooser did not open the File menu"
    xdotool key Escape Escape
    poll_until 10 menus_open 0 || fail "Escape did not close the File menu"
done
