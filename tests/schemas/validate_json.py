#!/usr/bin/env python3
"""Validates JSON reports against the published schema.

    validate_json.py SCHEMA KIND=FILE...

KIND is the name under the schema's $defs that the file must match: "report" and "teamReport" for a
JSON document, "reportLine" and "teamReportLine" for a JSON Lines file, every line of which must match. Each document must
also match the schema as a whole, which takes exactly one kind. Prints a line per failure and a last
line with the counts; exits 1 when anything fails.
"""
import json
import sys

from jsonschema import Draft202012Validator


def documents(kind, path):
    with open(path, encoding="utf-8") as file:
        text = file.read()
    if not kind.endswith("Line"):
        yield path, json.loads(text)
        return
    lines = text.split("\n")
    if lines[-1] != "" or len(lines) < 2:
        raise ValueError(f"{path}: JSON Lines must end each of one or more lines with LF")
    for number, line in enumerate(lines[:-1], 1):
        yield f"{path}:{number}", json.loads(line)


def main():
    schema = json.load(open(sys.argv[1], encoding="utf-8"))
    Draft202012Validator.check_schema(schema)
    whole = Draft202012Validator(schema)
    passed = failed = 0
    for argument in sys.argv[2:]:
        kind, path = argument.split("=", 1)
        one_kind = Draft202012Validator({"$ref": f"#/$defs/{kind}", "$defs": schema["$defs"]})
        for name, document in documents(kind, path):
            errors = ["not exactly one kind of the schema"] if not whole.is_valid(document) else []
            errors += [f"as {kind}: {e.message}" for e in one_kind.iter_errors(document)]
            for error in errors:
                print(f"{name}: {error}")
            passed, failed = (passed, failed + 1) if errors else (passed + 1, failed)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
