# The menu animation chosen on the Options page (the layout file keeps it) plays when a menu of the bars
# opens: the menu's window comes up through the system's window animation with that animation's flags.
# None plays when the user's system settings turn menu animation off. Wine's relay trace of user32's
# AnimateWindow shows the calls.
source "$(dirname "$0")/BarSession.sh"
start_plux
end_plux

debug_key='HKCU\Software\Wine\Debug'
"$WINE" reg add "$debug_key" /v RelayInclude /d user32.AnimateWindow /f </dev/null >/dev/null 2>&1 ||
    fail "the relay trace could not be limited to AnimateWindow"
on_exit "\"\$WINE\" reg delete '$debug_key' /v RelayInclude /f </dev/null >/dev/null 2>&1"
setting=$(probe menu-animation | sed -n 's/^menu-animation //p')
[ -n "$setting" ] || fail "the system's menu animation setting cannot be read"
on_exit "probe menu-animation $setting"

# The flags of each AnimateWindow call plux has made, one line each.
animations() { tr -d '\r' <"$RUN_DIR/plux.log" | sed -n 's/.*Call user32\.AnimateWindow([0-9a-f]*,[0-9a-f]*,\([0-9a-f]*\)).*/\1/p'; }
# Opens the File menu by its keys and closes it again.
open_file_menu() {
    press alt f
    poll_until 10 menus_open 1 || fail "Alt+F did not open the File menu"
    screenshot "$1" >/dev/null
    press Escape Escape
    poll_until 10 menus_open 0 || fail "Escape did not close the File menu"
}

# Unfold slides in from the top left corner, Slide from the top, Fade blends.
probe menu-animation 1 || fail "menu animation could not be turned on"
for chosen in "2 Unfold 00040005" "3 Slide 00040004" "4 Fade 00080000"; do
    read -r ordinal name flags <<<"$chosen"
    edit_layout frmPLUX.BarManager.Main MenuAnimations "$ordinal"
    WINEDEBUG=+relay start_plux
    open_file_menu "menu-animation-$name"
    [ "$(animations)" = "$flags" ] || fail "$name: the File menu opened with AnimateWindow flags '$(animations)'"
    end_plux
done

probe menu-animation 0 || fail "menu animation could not be turned off"
WINEDEBUG=+relay start_plux
open_file_menu menu-animation-off
[ -z "$(animations)" ] || fail "with menu animation off the menu still animated: $(animations)"
