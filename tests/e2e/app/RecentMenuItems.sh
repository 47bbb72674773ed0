# Personalised menus: a File menu command used three times leads the menu, which holds the others back
# behind its chevron until the delay shows them; the usage survives a restart in the layout file.
source "$(dirname "$0")/CustomizeSession.sh"
start_plux

open_file_menu() {
    press alt+f
    wait_for 10 menus_open 1
}
menu_height() { probe menu-bounds | awk '/^menu / { print $5; exit }'; }
menu_is() { [ "$(menu_height)" -eq "$1" ]; }
menu_below() { local h; h=$(menu_height) && [ -n "$h" ] && [ "$h" -lt "$1" ]; }

open_file_menu
full=$(menu_height)
[ -n "$full" ] || fail "no File menu to measure"
press Escape
wait_for 10 menus_open 0
for _ in 1 2 3; do
    open_file_menu
    press d
    wait_for 10 menus_open 0
done

open_file_menu
wait_for 10 menu_below "$full"
screenshot recent-items-first >/dev/null
# Full menus after a delay: the menu shows all its entries again by itself.
wait_for 20 menu_is "$full"
screenshot recent-menu-expanded >/dev/null
press Escape
wait_for 10 menus_open 0

restart_plux
open_file_menu
wait_for 10 menu_below "$full"
press Escape
wait_for 10 menus_open 0
expect_layout frmPLUX.BarManager.SubItem_File1.ItemLink0 ItemName btnDoCheck
expect_layout frmPLUX.BarManager.SubItem_File1.ItemLink0 UseCount 3
expect_layout frmPLUX.BarManager.SubItem_File1.ItemLink0 RecentIndex 0
expect_layout frmPLUX.BarManager.SubItem_File1.ItemLink1 UseCount 0
expect_layout frmPLUX.BarManager.SubItem_File1.ItemLink1 RecentIndex -1
