# An error escaping a command shows in the application's error box and the window stays usable.
source "$(dirname "$0")/Session.sh"
import_products numeric-version.reg
start_plux

for attempt in 1 2; do
    press ctrl+e
    box=$(probe message-box) || fail "no error box (attempt $attempt)"
    grep -qx 'title Plux' <<<"$box" || fail "error box title: $box"
    grep -qxF "text Invalid data type for 'version'" <<<"$box" || fail "error box text: $box"
done
press alt+f
wait_for 5 menus_open 1
press x
wait_for_exit 15 || fail "the window did not stay usable"
