#!/usr/bin/env bash
# What plux.exe itself writes as JSON matches the published schema: a report with and without a
# snapshot, with a name that needs escaping and characters above 127 (imported in code page 1252).
source "$(dirname "$0")/Session.sh"
SCHEMA="$PLUX_FIXTURES/../../schemas/reports.schema.json"
VALIDATE="$PLUX_FIXTURES/../schemas/validate_json.py"
import_products example.reg
reg_import "$PLUX_FIXTURES/upgrade.reg"

plux /sjson plain.json
expect_rc "report without a snapshot" 0 $?
plux /sjson compared.json /compare old.plx
expect_rc "report against old.plx" 1 $?
/usr/bin/python3 "$VALIDATE" "$SCHEMA" report="$RUN_DIR/plain.json" report="$RUN_DIR/compared.json" \
    >"$RUN_DIR/validation.txt" || fail "the reports do not match the schema: $(cat "$RUN_DIR/validation.txt")"
finish
