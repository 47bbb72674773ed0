# A hand-edited layout file with link overrides (an own caption and paint style, an own box width, a
# hidden link, a renamed bar and link, a usage count) shows at the next start and is saved back exactly.
source "$(dirname "$0")/BarSession.sh"
start_plux
end_plux
cp "$PLUX_FIXTURES/bars/hand-edited.bar.ini" "$(layout_file)"  # where the first run left its file
start_plux

not bar_shown Colours || fail "the Colours bar kept its name"
locate_bar Swatches
locate_bar File
[ "$COMBO_W" -eq 100 ] || fail "the chooser's box is $COMBO_W wide, not its own 100"
screenshot hand-edited >/dev/null
end_plux
cmp "$(layout_file)" "$PLUX_FIXTURES/bars/hand-edited.bar.ini" || fail "the layout came back changed"
