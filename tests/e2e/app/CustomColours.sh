# The colour dialog's sixteen custom colours start white; a colour the user adds there is still there
# when the dialog opens again, for the other swatch as well.
source "$(dirname "$0")/Session.sh"
start_plux
locate_bar "Colours"
swatch_y=$((BAR_Y + BAR_H / 2))
swatch1_x=$((BAR_X + 2 + 8 + 70)) swatch2_x=$((BAR_X + BAR_W - 20))

# Opens the dialog by a click on a swatch; CUSTOM_* is where it shows the custom colours, ADD_* its
# "Add to Custom Colors" button. Arguments after the swatch's x are a colour to enter.
open_colour_dialog() {
    click_at "$1" "$swatch_y"
    shift
    local facts
    facts=$(probe color-dialog "$@") || fail "no colour dialog"
    read -r _ CUSTOM_X CUSTOM_Y CUSTOM_W CUSTOM_H < <(grep '^custom ' <<<"$facts")
    read -r _ ADD_X ADD_Y ADD_W ADD_H < <(grep '^add ' <<<"$facts")
}
# The colours at the centres of the 16 custom boxes (two rows of eight), as RRGGBB, in order.
custom_colours() {
    local shot row column
    shot=$(screenshot custom-colours)
    for row in 0 1; do
        for column in $(seq 0 7); do
            colours_in "$shot" $((CUSTOM_X + (2 * column + 1) * CUSTOM_W / 16)) \
                $((CUSTOM_Y + (2 * row + 1) * CUSTOM_H / 4)) 1 1
        done
    done | tr '\n' ' '
}
custom_colours_are() { [ "$(custom_colours)" = "$1" ]; }
white=$(printf 'FFFFFF %.0s' $(seq 1 16))

open_colour_dialog "$swatch1_x"
[ "$(custom_colours)" = "$white" ] || fail "custom colours at first: $(custom_colours)"
probe cancel-color || fail "the colour dialog did not close"

open_colour_dialog "$swatch1_x" 64 128 192
click_at $((ADD_X + ADD_W / 2)) $((ADD_Y + ADD_H / 2))
added="4080C0 $(printf 'FFFFFF %.0s' $(seq 1 15))"
poll_until 5 custom_colours_are "$added" || fail "custom colours after Add: $(custom_colours)"
probe pick-color 64 128 192 || fail "the colour dialog did not close"

open_colour_dialog "$swatch2_x"
[ "$(custom_colours)" = "$added" ] || fail "custom colours when opened again: $(custom_colours)"
screenshot custom-colours-kept >/dev/null
probe cancel-color || fail "the colour dialog did not close"
