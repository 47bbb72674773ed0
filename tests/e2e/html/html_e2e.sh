#!/usr/bin/env bash
# End-to-end checks of the report view and of printing on the PDF printer: html_e2e.sh CHECK runs the
# function check_CHECK. Pictures for a human eye land among the artefacts.
set -uo pipefail
source "$(dirname "$0")/../Library.sh"
example="$PLUX_FIXTURES/html/render-sample-report.html"
selection=3096FA  # the selection's background: the highlight colour of Wine's default scheme
host_pid=""
on_exit '[ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null'
# The printouts of this run are named after its own titles (titled_example).
on_exit 'rm -f "${PRINTED_PDF:-}"'

# A report of N products as the report builder writes it: bands change every 5 products, every 10th
# product differs from the snapshot.
write_report() {
    local count=$1 file=$2 title=${3:-} i colour
    {
        [ -n "$title" ] && printf '<title>%s</title>\r\n' "$title"
        printf '<table border="1" cellspacing="0" bordercolor=#000000 cellpadding="3">\r\n<tr>\r\n'
        printf '<TH colspan="2">PC1 Tue 03-02-2004 09:05</TH>\r\n<TH>old 01-02-2004 10:00:00</TH>\r\n</tr>\r\n'
        for i in $(seq 1 "$count"); do
            if [ $(((i - 1) / 5 % 2)) -eq 0 ]; then colour='#dcFED6'; else colour='#ffffc8'; fi
            printf '<tr bgcolor="%s">\r\n<td>Grid %03d (Delphi 7)</td><td>4.2</td>\r\n' "$colour" "$i"
            if [ $((i % 10)) -eq 0 ]; then
                printf '<td bgcolor="#ff0000"><b><font color="#ffffff">4.1</font></b></td>\r\n</tr>\r\n'
            else
                printf '<td>4.2</td>\r\n</tr>\r\n'
            fi
        done
        printf '</table>\r\n'
    } >"$file"
}

# Prints FILE with the host; what the host says goes to $RUN_DIR/out, without the CR of its text mode.
print_file() {
    local status
    "$WINE" "$HTML_VIEW_HOST" "Z:$1" --print 1 9999 >"$RUN_DIR/raw" 2>"$RUN_DIR/err" </dev/null
    status=$?
    tr -d '\r' <"$RUN_DIR/raw" >"$RUN_DIR/out"
    return $status
}

# TITLED is the example under a TITLE of this run, which names its print job and so its PDF: other
# runs may print the example at the same time.
titled_example() {
    title="plux-e2e-$1-$$" titled="$RUN_DIR/$1.html"
    { printf '<title>%s</title>\r\n' "$title" && cat "$example"; } >"$titled"
}

# Shows FILE in the host at WIDTH x HEIGHT and waits until its window shows the report (at most 30 s);
# X_FOUND is the window.
show_file() {
    "$WINE" "$HTML_VIEW_HOST" "Z:$1" --size "$2" "$3" </dev/null >/dev/null 2>&1 &
    host_pid=$!
    wait_for 30 window_named '^Report$'
    wait_for 10 window_shows "$X_FOUND" DCFED6
    xdotool windowfocus --sync "$X_FOUND" 2>/dev/null || true
}

# Every colour must fill a visible area of the picture (at least 20 pixels); the PDF renderer may
# shift a colour by a step or two per channel.
expect_colours() {
    local png=$1 colour
    shift
    convert "$png" -format %c histogram:info:- >"$RUN_DIR/histogram" || fail "cannot read $png"
    for colour in "$@"; do
        awk -v want="$colour" '
            function hex(text,    i, value) {
                value = 0
                for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789ABCDEF", toupper(substr(text, i, 1))) - 1
                return value
            }
            function near(x, y) { return x - y <= 2 && y - x <= 2 }
            match($0, /#[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]/) {
                got = substr($0, RSTART + 1, 6)
                if ($1 + 0 >= 20 && near(hex(substr(got, 1, 2)), hex(substr(want, 1, 2))) &&
                    near(hex(substr(got, 3, 2)), hex(substr(want, 3, 2))) && near(hex(substr(got, 5, 2)), hex(substr(want, 5, 2))))
                    found = 1
            }
            END { exit !found }' "$RUN_DIR/histogram" || fail "$png has no area of #$colour"
    done
}

check_print_example() {
    touch "$RUN_DIR/marker"
    titled_example print-example
    print_file "$titled" || fail "print failed: $(cat "$RUN_DIR/out" "$RUN_DIR/err")"
    [ "$(cat "$RUN_DIR/out")" = printed ] || fail "host said: $(cat "$RUN_DIR/out")"
    wait_for 45 printed_pdf "$RUN_DIR/marker" "Grid 4 (Delphi 6)" "$title"
    local pdf=$PRINTED_PDF
    [ "$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "$pdf is not one page"
    local text cell
    # The printer driver names the hyphen glyph so that pdftotext reads it back as a soft hyphen.
    text=$(pdftotext -layout "$pdf" - | sed 's/\xC2\xAD/-/g')
    for cell in "PC1 Tue 03-02-2004 09:05" "old 01-02-2004 10:00:00" "Grid 4 (Delphi 7)" "Grid 4 (Delphi 6)" \
        "Bars 5 (Delphi 7)" "4.2" "4.1" "5.1"; do
        grep -qF -- "$cell" <<<"$text" || fail "the printout lacks \"$cell\": $text"
    done
    pdftoppm -png -r 96 -f 1 -l 1 "$pdf" "$PLUX_ARTEFACTS/html-print-example" || fail "pdftoppm"
    expect_colours "$PLUX_ARTEFACTS/html-print-example-1.png" DCFED6 FFFFC8 FF0000 000000 FFFFFF
}

# The job is named after the report's title.
check_print_300_products() {
    title="plux-e2e-300-$$"
    write_report 300 "$RUN_DIR/report.html" "$title"
    touch "$RUN_DIR/marker"
    print_file "$RUN_DIR/report.html" || fail "print failed: $(cat "$RUN_DIR/out" "$RUN_DIR/err")"
    wait_for 45 printed_pdf "$RUN_DIR/marker" "Grid 300 (Delphi 7)" "$title"
    local pdf=$PRINTED_PDF pages
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" -ge 3 ] || fail "300 products on $pages pages"
    local names
    names=$(pdftotext "$pdf" - | grep -o 'Grid [0-9]\{3\} (Delphi 7)' | sort | uniq -c)
    [ "$(wc -l <<<"$names")" -eq 300 ] || fail "$(wc -l <<<"$names") different products printed"
    if grep -v '^ *1 ' <<<"$names"; then fail "products printed more than once"; fi
    pdftoppm -png -r 60 -f 2 -l 2 "$pdf" "$PLUX_ARTEFACTS/html-print-300" || fail "pdftoppm"
}

# With the print service out of reach there is no default printer: the exact message, and no job.
check_print_without_printer() {
    touch "$RUN_DIR/marker"
    titled_example no-printer
    CUPS_SERVER="$RUN_DIR/no-cups.sock" print_file "$titled"
    local status=$?
    [ "$(cat "$RUN_DIR/out")" = "There is no default printer currently selected" ] ||
        fail "host said: $(cat "$RUN_DIR/out")"
    [ $status -eq 1 ] || fail "exit code $status"
    # That no job went out shows only as no PDF over a while; a printout takes about 2 s to arrive.
    if poll_until 3 printed_pdf "$RUN_DIR/marker" "" "$title"; then fail "a PDF appeared although the print failed"; fi
}

# The view on screen: focus frame, a drag selection, then a long report scrolled down by keys.
check_view_screenshot() {
    show_file "$example" 480 200
    local window=$X_FOUND
    xdotool mousemove --window "$window" 30 40 mousedown 1 mousemove --window "$window" 200 42 mouseup 1
    wait_for 5 window_shows "$window" "$selection"
    import -display "$DISPLAY" -window "$window" "$PLUX_ARTEFACTS/html-view.png" || fail "import"
    kill "$host_pid"
    wait "$host_pid" 2>/dev/null
    host_pid=""
    expect_colours "$PLUX_ARTEFACTS/html-view.png" DCFED6 FFFFC8 FF0000 000000 FFFFFF
    wait_for 10 not window_named '^Report$'

    write_report 300 "$RUN_DIR/report.html"
    show_file "$RUN_DIR/report.html" 480 300
    window=$X_FOUND
    window_picture "$window" "$RUN_DIR/top.ppm"
    xdotool mousemove --window "$window" 100 100 key Next Next Next Down
    wait_for 5 window_changed "$window" "$RUN_DIR/top.ppm"
    wait_for 5 window_settled "$window"
    import -display "$DISPLAY" -window "$window" "$PLUX_ARTEFACTS/html-view-scrolled.png" || fail "import"
    expect_colours "$PLUX_ARTEFACTS/html-view-scrolled.png" DCFED6 FFFFC8 FF0000
}

# Ctrl+P pressed while the view has the focus reaches the host's accelerator and prints.
check_shortcut_prints() {
    touch "$RUN_DIR/marker"
    titled_example shortcut
    show_file "$titled" 480 200
    xdotool key ctrl+p
    wait_for 45 printed_pdf "$RUN_DIR/marker" "Grid 4 (Delphi 6)" "$title"
}

"check_$1"
