# The status bar as a user sees it: five panels at their widths with the version text in the last one,
# "Caps" and "Num" following their keys through the keyboard watch (engraved grey while off, plain
# while on), and the size grip at the right end after the window grew. Every lock key is pressed an
# even number of times, so Xvfb's lock state is left as it was found.
source "$(dirname "$0")/Session.sh"
start_plux
VK_CAPITAL=20
WINDOW_TEXT=000000 ENGRAVED_LIGHT=FFFFFF  # the theme's window text and button highlight

# EDGES, GRIP, SB_X SB_Y SB_W SB_H and, per part i, PART_X[i] PART_Y[i] PART_W[i] PART_H[i] PART_TEXT[i].
read_status_bar() {
    local facts i x y w h border text
    facts=$(probe status-bar) || fail "no status bar"
    EDGES=$(sed -n 's/^edges //p' <<<"$facts")
    GRIP=$(sed -n 's/^grip //p' <<<"$facts")
    read -r _ SB_X SB_Y SB_W SB_H < <(grep '^bar ' <<<"$facts")
    PART_X=() PART_Y=() PART_W=() PART_H=() PART_TEXT=()
    while read -r _ i x y w h border text; do
        PART_X[i]=$x PART_Y[i]=$y PART_W[i]=$w PART_H[i]=$h PART_TEXT[i]=$text
    done < <(grep '^part ' <<<"$facts")
}

# The inside of part $2's border in screenshot $1, as a file of its own.
panel_crop() {
    local part=$2 out="$RUN_DIR/panel$2-$(basename "$1")"
    convert "$1" -crop "$((PART_W[part] - 2))x$((PART_H[part] - 2))+$((PART_X[part] + 1))+$((PART_Y[part] + 1))" \
        +repage "$out"
    echo "$out"
}
panel_colours() { unique_colours <"$(panel_crop "$1" "$2")"; }
panel_plain() { panel_colours "$1" "$2" | grep -qx $WINDOW_TEXT; }
panel_engraved() {
    local colours
    colours=$(panel_colours "$1" "$2")
    ! grep -qx $WINDOW_TEXT <<<"$colours" && grep -qx $ENGRAVED_LIGHT <<<"$colours"
}
same_panel() { [ "$(compare -metric AE "$(panel_crop "$1" "$3")" "$(panel_crop "$2" "$3")" null: 2>&1)" = 0 ]; }
# Waits until panel $1 looks $2 (plain or engraved) on screen; SHOT is the screenshot that showed it.
wait_for_look() {
    local part=$1 look=$2 name=$3
    look_now() { SHOT=$(screenshot "$name") && "panel_$look" "$SHOT" "$part"; }
    poll_until 5 look_now || fail "panel $part is not $look"
}
key_down() { probe key-down "$1" | grep -qx "down 1"; }
# The look a lock panel has in screenshot $1 now, and the other one.
look_of() { if panel_plain "$1" "$2"; then echo plain; else echo engraved; fi; }
other_look() { if [ "$1" = plain ]; then echo engraved; else echo plain; fi; }

# At the design width: the edges, the grip, the texts and the version panel.
read_status_bar
echo "edges $EDGES; parts ${PART_TEXT[*]}"
[ "$EDGES" = "244 294 344 394 -1" ] || fail "edges $EDGES at the design width"
[ "$GRIP" = 1 ] || fail "no size grip"
[ "$SB_X $SB_W $SB_H" = "$CLIENT_X $CLIENT_W 20" ] && [ "$SB_Y" -eq $((CLIENT_Y + CLIENT_H - 20)) ] ||
    fail "bar at $SB_X,$SB_Y ${SB_W}x$SB_H"
[ "${PART_TEXT[1]}" = Caps ] && [ "${PART_TEXT[2]}" = Num ] || fail "lock captions ${PART_TEXT[1]} ${PART_TEXT[2]}"
[ "${PART_TEXT[4]}" = "Plux - 1.2.0.2" ] || fail "version panel shows '${PART_TEXT[4]}'"
design=$(screenshot statusbar-design)
panel_plain "$design" 4 || fail "the version text is not drawn"
for part in 0 3; do
    [ "$(panel_colours "$design" $part)" = "$(panel_colours "$design" 0)" ] || fail "panel $part is not empty"
done

# Caps Lock, pressed and released with the window focused: the look changes by the release, and no
# other panel changes.
caps_before=$(look_of "$design" 1)
caps_after=$(other_look "$caps_before")
panel_$caps_before "$design" 1 || fail "Caps is neither plain nor engraved"
echo "Caps: $caps_before, then $caps_after"
xdotool windowfocus --sync "$X_WINDOW"
xdotool keydown Caps_Lock
poll_until 5 key_down $VK_CAPITAL || fail "plux did not take the Caps Lock press"
pressed=$(screenshot caps-pressed)
panel_$caps_before "$pressed" 1 || fail "Caps changed its look before the key's release"
xdotool keyup Caps_Lock
wait_for_look 1 "$caps_after" caps-released
released=$SHOT
for part in 0 2 3 4; do
    same_panel "$design" "$released" $part || fail "panel $part changed with Caps Lock"
done
press Caps_Lock
wait_for_look 1 "$caps_before" caps-again
settled=$SHOT

# A double click on "Num" toggles Num Lock, and the panel follows; a second one toggles it back.
num_before=$(look_of "$settled" 2)
num_after=$(other_look "$num_before")
num_x=$((PART_X[2] + PART_W[2] / 2)) num_y=$((PART_Y[2] + PART_H[2] / 2))
xdotool windowfocus --sync "$X_WINDOW"
xdotool mousemove $num_x $num_y click --repeat 2 --delay 100 1
wait_for_look 2 "$num_after" num-toggled
toggled_shot=$SHOT
for part in 0 1 3 4; do
    same_panel "$settled" "$toggled_shot" $part || fail "panel $part changed with Num Lock"
done
xdotool mousemove $num_x $num_y click --repeat 2 --delay 100 1
wait_for_look 2 "$num_before" num-back

# Dragging the size grip 100 pixels to the right: Panel0 and the version panel grow by 50 each, and
# the grip stays at the right end.
version_width=${PART_W[4]} panel0_width=${PART_W[0]}
grip_x=$((SB_X + SB_W - 4)) grip_y=$((SB_Y + SB_H - 4))
# The pointer moves on in small steps, and wiggles at the end until the window has followed it (a
# motion that comes while the window is still being sized can be missed); then the button is let go.
grown() { read_status_bar && [ "$SB_W" -eq 788 ]; }
wiggle_until_grown() {
    xdotool mousemove $((grip_x + 99)) $grip_y mousemove $((grip_x + 100)) $grip_y
    grown
}
xdotool mousemove $grip_x $grip_y mousedown 1
for step in $(seq 10 10 100); do xdotool mousemove $((grip_x + step)) $grip_y; done
poll_until 10 wiggle_until_grown || true
xdotool mouseup 1
poll_until 5 grown || fail "the window did not grow by 100 ($SB_W)"
[ "$EDGES" = "294 344 394 444 -1" ] || fail "edges $EDGES after growing"
[ $((PART_W[0] - panel0_width)) -eq 50 ] && [ $((PART_W[4] - version_width)) -eq 50 ] ||
    fail "Panel0 ${PART_W[0]} and pnlVersion ${PART_W[4]} after growing"
grown_shot=$(screenshot statusbar-grown)
# The grip's corner moved with the right end and looks as before; it is not blank.
corner() { convert "$1" -crop "16x${SB_H}+$(($2 - 16))+$SB_Y" +repage "$RUN_DIR/corner-$(basename "$1")"; }
corner "$design" $((SB_X + SB_W - 100))
corner "$grown_shot" $((SB_X + SB_W))
[ "$(compare -metric AE "$RUN_DIR/corner-$(basename "$design")" "$RUN_DIR/corner-$(basename "$grown_shot")" null: 2>&1)" = 0 ] ||
    fail "the grip did not move to the right end"
[ "$(colours_in "$grown_shot" $((SB_X + SB_W - 16)) "$SB_Y" 16 "$SB_H" | wc -l)" -ge 2 ] || fail "no grip at the right end"
panel_plain "$grown_shot" 4 || fail "the version text is gone after growing"
