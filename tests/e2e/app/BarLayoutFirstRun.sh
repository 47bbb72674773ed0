# A first run closed at once leaves the layout file of the designed window, byte for byte.
source "$(dirname "$0")/BarSession.sh"
start_plux
[ -z "$(layout_file)" ] || fail "a layout file before the first close"
end_plux
file=$(layout_file)
[ -n "$file" ] || fail "no layout file after the first run"
cmp "$file" "$PLUX_FIXTURES/bars/designed.bar.ini" || fail "the layout file differs from the designed one"
