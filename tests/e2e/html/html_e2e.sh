#!/usr/bin/env bash
# End-to-end checks of the report view and of printing on the PDF printer.
#   html_e2e.sh CHECK WINE HOST_EXE FIXTURE_DIR ARTEFACT_DIR
# Pictures for a human eye land in ARTEFACT_DIR.
set -uo pipefail
check=$1 wine=$2 host=$3 fixtures=$4 artefacts=$5
pdf_dir="$HOME/PDF"
work=$(mktemp -d)
host_pid=""
cleanup() {
    [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$artefacts"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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

# Prints FILE with the host; what the host says goes to $work/out, without the CR of its text mode.
print_file() {
    local status
    "$wine" "$host" "Z:$1" --print 1 9999 >"$work/raw" 2>"$work/err" </dev/null
    status=$?
    tr -d '\r' <"$work/raw" >"$work/out"
    return $status
}

# The first PDF made after MARKER whose text holds NEEDLE, once it is complete (bounded wait).
wait_for_pdf() {
    local marker=$1 needle=$2 tries pdf
    for tries in $(seq 1 90); do
        for pdf in $(ls -t "$pdf_dir"/*.pdf 2>/dev/null); do
            [ "$pdf" -nt "$marker" ] || break
            if pdfinfo "$pdf" >/dev/null 2>&1 && pdftotext "$pdf" - 2>/dev/null | grep -qF -- "$needle"; then
                echo "$pdf"
                return 0
            fi
        done
        sleep 0.5
    done
    return 1
}

# Every colour must fill a visible area of the picture (at least 20 pixels); the PDF renderer may
# shift a colour by a step or two per channel.
expect_colours() {
    local png=$1 colour
    shift
    convert "$png" -format %c histogram:info:- >"$work/histogram" || fail "cannot read $png"
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
            END { exit !found }' "$work/histogram" || fail "$png has no area of #$colour"
    done
}

check_print_example() {
    touch "$work/marker"
    sleep 1
    print_file "$fixtures/render-sample-report.html" || fail "print failed: $(cat "$work/out" "$work/err")"
    [ "$(cat "$work/out")" = printed ] || fail "host said: $(cat "$work/out")"
    local pdf
    pdf=$(wait_for_pdf "$work/marker" "Grid 4 (Delphi 6)") || fail "no PDF of the example in $pdf_dir"
    [ "$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')" = 1 ] || fail "$pdf is not one page"
    local text cell
    # The printer driver names the hyphen glyph so that pdftotext reads it back as a soft hyphen.
    text=$(pdftotext -layout "$pdf" - | sed 's/\xC2\xAD/-/g')
    for cell in "PC1 Tue 03-02-2004 09:05" "old 01-02-2004 10:00:00" "Grid 4 (Delphi 7)" "Grid 4 (Delphi 6)" \
        "Bars 5 (Delphi 7)" "4.2" "4.1" "5.1"; do
        grep -qF -- "$cell" <<<"$text" || fail "the printout lacks \"$cell\": $text"
    done
    pdftoppm -png -r 96 -f 1 -l 1 "$pdf" "$artefacts/html-print-example" || fail "pdftoppm"
    expect_colours "$artefacts/html-print-example-1.png" DCFED6 FFFFC8 FF0000 000000 FFFFFF
    rm -f "$pdf"
}

check_print_300_products() {
    local title="plux-e2e-300-$$"
    write_report 300 "$work/report.html" "$title"
    touch "$work/marker"
    sleep 1
    print_file "$work/report.html" || fail "print failed: $(cat "$work/out" "$work/err")"
    local pdf pages
    pdf=$(wait_for_pdf "$work/marker" "Grid 300 (Delphi 7)") || fail "no PDF of 300 products in $pdf_dir"
    case "$(basename "$pdf")" in "$title"*) ;; *) fail "the job is not named after the title: $pdf" ;; esac
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
    [ "$pages" -ge 3 ] || fail "300 products on $pages pages"
    local names
    names=$(pdftotext "$pdf" - | grep -o 'Grid [0-9]\{3\} (Delphi 7)' | sort | uniq -c)
    [ "$(wc -l <<<"$names")" -eq 300 ] || fail "$(wc -l <<<"$names") different products printed"
    if grep -v '^ *1 ' <<<"$names"; then fail "products printed more than once"; fi
    pdftoppm -png -r 60 -f 2 -l 2 "$pdf" "$artefacts/html-print-300" || fail "pdftoppm"
    rm -f "$pdf"
}

# With the print service out of reach there is no default printer: the exact message, and no job.
check_print_without_printer() {
    touch "$work/marker"
    CUPS_SERVER="$work/no-cups.sock" print_file "$fixtures/render-sample-report.html"
    local status=$?
    [ "$(cat "$work/out")" = "There is no default printer currently selected" ] || fail "host said: $(cat "$work/out")"
    [ $status -eq 1 ] || fail "exit code $status"
    if wait_for_pdf_briefly; then fail "a PDF appeared although the print failed"; fi
}

wait_for_pdf_briefly() {
    local pdf
    sleep 3
    for pdf in "$pdf_dir"/*.pdf; do
        [ -e "$pdf" ] && [ "$pdf" -nt "$work/marker" ] && pdftotext "$pdf" - 2>/dev/null | grep -qF "Grid 4 (Delphi 6)" &&
            return 0
    done
    return 1
}

# The view on screen: focus frame, a drag selection, then a long report scrolled down by keys.
check_view_screenshot() {
    [ -n "${DISPLAY:-}" ] || fail "no DISPLAY"
    "$wine" "$host" "Z:$fixtures/render-sample-report.html" --size 480 200 </dev/null >/dev/null 2>&1 &
    host_pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --name '^Report$' | head -1) || fail "no host window"
    sleep 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool mousemove --window "$window" 30 40 mousedown 1 mousemove --window "$window" 200 42 sleep 0.3 mouseup 1
    sleep 1
    import -display "$DISPLAY" -window "$window" "$artefacts/html-view.png" || fail "import"
    kill "$host_pid"
    wait "$host_pid" 2>/dev/null
    expect_colours "$artefacts/html-view.png" DCFED6 FFFFC8 FF0000 000000 FFFFFF

    write_report 300 "$work/report.html"
    "$wine" "$host" "Z:$work/report.html" --size 480 300 </dev/null >/dev/null 2>&1 &
    host_pid=$!
    window=$(timeout 30 xdotool search --sync --name '^Report$' | head -1) || fail "no host window"
    sleep 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool mousemove --window "$window" 100 100 key Next Next Next Down
    sleep 1
    import -display "$DISPLAY" -window "$window" "$artefacts/html-view-scrolled.png" || fail "import"
    expect_colours "$artefacts/html-view-scrolled.png" DCFED6 FFFFC8 FF0000
}

# Ctrl+P pressed while the view has the focus reaches the host's accelerator and prints.
check_shortcut_prints() {
    [ -n "${DISPLAY:-}" ] || fail "no DISPLAY"
    touch "$work/marker"
    sleep 1
    "$wine" "$host" "Z:$fixtures/render-sample-report.html" --size 480 200 </dev/null >/dev/null 2>&1 &
    host_pid=$!
    local window pdf
    window=$(timeout 30 xdotool search --sync --name '^Report$' | head -1) || fail "no host window"
    sleep 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key ctrl+p
    pdf=$(wait_for_pdf "$work/marker" "Grid 4 (Delphi 6)") || fail "Ctrl+P printed nothing"
    rm -f "$pdf"
}

"check_$check"
