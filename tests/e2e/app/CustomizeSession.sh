# Shared by the customisation scripts: the dialog opened from the dock's context menu, its tabs, buttons
# and lists clicked where the probe finds them, the bars' link menus, and the layout file read by section.
source "$(dirname "${BASH_SOURCE[0]}")/BarSession.sh"

# The menu bar right of its menus, where the dock's context menu opens.
dock_menu_at() { echo $((CLIENT_X + 400)) $((CLIENT_Y + 11)); }

control_shown() { probe control "$@" >/dev/null; }
entry_listed() { probe list-item Customize "$1" >/dev/null; }

# Opens the customisation dialog by the last entry of the dock's context menu.
open_customize() {
    read -r x y < <(dock_menu_at)
    xdotool mousemove "$x" "$y" click 3
    wait_for 10 menus_open 1
    press Up Return
    wait_for 20 control_shown Customize Close
}

close_customize() {
    click_control Customize Close
    wait_for 20 not control_shown Customize Close
}

# CTL_X CTL_Y CTL_W CTL_H of the control with text $2 in the window captioned $1.
locate_control() {
    local facts
    facts=$(probe control "$1" "$2") || fail "no control \"$2\" in \"$1\""
    read -r _ CTL_X CTL_Y CTL_W CTL_H < <(grep '^control ' <<<"$facts")
}

click_control() {
    locate_control "$1" "$2"
    click_at $((CTL_X + CTL_W / 2)) $((CTL_Y + CTL_H / 2))
}

# Shows page $1 (0 Toolbars, 1 Commands, 2 Options) by a click on its tab.
show_page() {
    local facts x y w h
    facts=$(probe tab Customize "$1") || fail "no tab $1"
    read -r _ x y w h < <(grep '^tab ' <<<"$facts")
    click_at $((x + w / 2)) $((y + h / 2))
    wait_for 10 probe_says "selected 1" tab Customize "$1"
}

# ITEM_X ITEM_Y ITEM_W ITEM_H of the entry $1 of the shown page's list.
locate_item() {
    local facts
    facts=$(probe list-item Customize "$1") || fail "no entry \"$1\" in the list"
    read -r _ ITEM_X ITEM_Y ITEM_W ITEM_H < <(grep '^item ' <<<"$facts")
}

# Drags a command from the list at ($1,$2) to ($3,$4) in steps a hand makes; the list hands the drag on
# once the pointer has left the press's neighbourhood, and the release must come after that.
drag_command() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove $(($1 + 6)) $(($2 + 6))
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
    wait_for 20 probe_says "capture TCustomizePage" capture
    xdotool mousemove "$3" "$4"
    xdotool mouseup 1
}
wider() { bar_facts "$1" && [ "$BAR_W" -gt "$2" ]; }
narrower() { bar_facts "$1" && [ "$BAR_W" -lt "$2" ]; }

# Replaces the text $2 of the prompt captioned $1 by $3 as a hand does (a click into the field, the
# whole line selected, typed over) and confirms with Enter.
answer_prompt() {
    wait_for 20 control_shown "$1" "$2"
    click_control "$1" "$2"
    xdotool key End shift+Home
    xdotool type --delay 50 "$3"
    xdotool key Return
    wait_for 20 not control_shown "$1" OK
}

# Opens the link menu of the point ($1,$2) of a bar and picks the entry with access key $3.
pick_from_link_menu() {
    xdotool mousemove "$1" "$2" click 3
    wait_for 10 menus_open 1
    press "$3"
    wait_for 10 menus_open 0
}

# The value of KEY in section [SECTION] of the layout file.
layout_value() {
    tr -d '\r' <"$(layout_file)" | awk -v section="[$1]" -v key="$2" '
        /^\[/ { inside = ($0 == section) }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }'
}

# Fails unless KEY of section [SECTION] holds VALUE.
expect_layout() {
    local value
    value=$(layout_value "$1" "$2")
    [ "$value" = "$3" ] || fail "[$1] $2 is \"$value\", not \"$3\""
}

# The section of the bar captioned $1 in the layout file ("frmPLUX.BarManager.BarN").
bar_section() {
    tr -d '\r' <"$(layout_file)" | awk -v caption="Caption=$1" '
        /^\[/ { section = substr($0, 2, length($0) - 2) }
        $0 == caption { print section; exit }'
}
