#!/usr/bin/env python3
"""make_products.py COUNT REG_FILE [SNAPSHOT_FILE]: writes COUNT test products as a REGEDIT4 file for
the product key and, when asked, a snapshot whose section (the file's base name) holds every product
with the same version, as Save Result would write it."""
import os
import sys

count, reg_path = int(sys.argv[1]), sys.argv[2]
root = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Component Suite VCL Products"
families = ["Grid 4", "Bars 5", "Editors 3", "Charts 2", "Reports 6"]
products = [(f"{families[i % len(families)]} Pack {i // len(families):05d} (Delphi {5 + i % 7})",
             f"{1 + i % 9}.{i % 13}") for i in range(count)]

lines = ["REGEDIT4", "", f"[{root}]", ""]
for name, version in products:
    lines += [f"[{root}\\{name}]", f'"version"="{version}"', ""]
open(reg_path, "w", newline="\r\n").write("\n".join(lines) + "\n")

if len(sys.argv) > 3:
    snapshot_path = sys.argv[3]
    section = os.path.splitext(os.path.basename(snapshot_path))[0]
    lines = [f"[{section}]"] + [f"{name}={version}" for name, version in products] + ["\\datetime\\=2/3/2004"]
    open(snapshot_path, "w", newline="\r\n").write("\n".join(lines) + "\n")
