# A first run closed at once leaves the state file of the design, eight lines ended by CR LF.
source "$(dirname "$0")/Session.sh"
start_plux
quit_plux
printf '%s\r\n' '[TfrmPLUX]' 'Flags=0' 'ShowCmd=1' 'NormalPos=227,114,923,594' 'PixelsPerInch=96' \
    'Color=16777215' 'barColor1.Description=#dcFED6' 'barColor2.Description=#ffffc8' >"$RUN_DIR/expected.ini"
cmp "$(state_file)" "$RUN_DIR/expected.ini" || fail "first-run state file: $(od -c "$(state_file)")"
