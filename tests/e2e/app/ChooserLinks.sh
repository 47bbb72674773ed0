# Two links to the snapshot chooser (a second one on the Colours bar, as the Commands page lets the user
# add) show one item: a snapshot chosen in either shows in both, and so does a typed name; Do Check
# compares with what both show.
source "$(dirname "$0")/BarSession.sh"
import_products example.reg
cp "$PLUX_FIXTURES/old.plx" "$RUN_DIR/old.plx"
printf '[b]\r\nGrid 4 (Delphi 7)=4.2\r\n' >"$RUN_DIR/b.plx"
start_plux
end_plux
edit_layout frmPLUX.BarManager.Bar2 ItemLinkCount 3
edit_layout frmPLUX.BarManager.Bar2.ItemLink2 ItemName cbxCompareFiles
edit_layout frmPLUX.BarManager.Bar2.ItemLink2 BeginGroup 1
start_plux

# CHOOSER_X CHOOSER_Y of the middle of the chooser's box on bar $1, and its text shown.
chooser_text() { probe combo "$1" | sed -n 's/^text //p'; }
locate_chooser() {
    local x y w h
    read -r _ x y w h < <(probe combo "$1" | grep '^combo ') || fail "no chooser on the $1 bar"
    CHOOSER_X=$((x + 20)) CHOOSER_Y=$((y + h / 2))
}
# Chooses the snapshot $2 from the list of the chooser on bar $1 by keys, down the list and up again.
choose() {
    locate_chooser "$1"
    click_at "$CHOOSER_X" "$CHOOSER_Y"
    local key
    for key in Down Down Down Up Up Up; do
        [ "$(chooser_text "$1")" = "$2" ] && return 0
        xdotool key "$key"
    done
    [ "$(chooser_text "$1")" = "$2" ] || fail "$2 could not be chosen on the $1 bar"
}
shows() { [ "$(chooser_text "$1")" = "$2" ]; }

[ "$(chooser_text File)" = "<nothing>" ] && [ "$(chooser_text Colours)" = "<nothing>" ] ||
    fail "the choosers start with '$(chooser_text File)' and '$(chooser_text Colours)'"
choose File old.plx
poll_until 10 shows Colours old.plx || fail "the chooser on Colours shows '$(chooser_text Colours)' after old.plx on File"
choose Colours b.plx
poll_until 10 shows File b.plx || fail "the chooser on File shows '$(chooser_text File)' after b.plx on Colours"
screenshot chooser-links-chosen >/dev/null

locate_chooser File
click_at "$CHOOSER_X" "$CHOOSER_Y"
xdotool key End shift+Home
xdotool type --delay 20 'old.plx'
poll_until 10 shows Colours old.plx || fail "the chooser on Colours shows '$(chooser_text Colours)' after typing on File"
shows File old.plx || fail "the typed name is gone from the File chooser: '$(chooser_text File)'"

red_in_report() { screen_shows "$VIEW_X" "$VIEW_Y" "$VIEW_W" "$VIEW_H" FF0000; }
xdotool key ctrl+e
xdotool mousemove $((CLIENT_X + 500)) $((CLIENT_Y + 350))
poll_until 10 red_in_report || fail "Do Check did not compare with old.plx, which both choosers show"
screenshot chooser-links-report >/dev/null
