# Minimised from its system menu (what Alt+Space opens, then N), the window leaves the screen; restored from the task
# bar, it is active again with the focus in the report, where it was, and Ctrl+E works at once.
source "$(dirname "$0")/Session.sh"
import_products example.reg
start_plux

main_window_visible() { probe window | grep -qx "visible $1"; }
active_is() { probe focus | grep -qx "active $1"; }
focus_is() { probe focus | grep -qx "focus $1"; }
in_menu_mode() { probe focus | grep -qx "menu-mode 1"; }
minimised() { main_window_visible 0 && ! active_is TfrmPLUX; }
report_shows_bands() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" DCFED6; }

click_at $((VIEW_X + 300)) $((VIEW_Y + 250))
poll_until 5 focus_is THtmlView || fail "a click into the report did not focus it"
probe system-menu >/dev/null
poll_until 5 in_menu_mode || fail "the system menu did not open"
press n
poll_until 5 minimised || fail "the window stayed on screen or active when minimised"

probe restore || fail "no application window to restore"
poll_until 5 main_window_visible 1 || fail "the window did not come back when restored"
poll_until 5 active_is TfrmPLUX || fail "restored, the window is not active: $(probe focus | tr '\n' ' ')"
poll_until 5 focus_is THtmlView || fail "restored, the focus is not in the report: $(probe focus | tr '\n' ' ')"
press ctrl+e
poll_until 10 report_shows_bands || fail "Ctrl+E did nothing after the restore"
