#!/usr/bin/env python3
"""Reads the sheet's CSV back with Python's own csv module, as a spreadsheet script would."""
import csv
import io
import subprocess
import sys

sheet = sys.argv[1]
raw = subprocess.run([sheet, "--csv", "--level", "all"], check=True, capture_output=True).stdout
assert raw.endswith(b"\r\n") and raw.count(b"\n") == raw.count(b"\r\n"), "every record ends with CR LF"

csv.register_dialect("rfc4180", delimiter=",", quotechar='"', doublequote=True, lineterminator="\r\n",
                     quoting=csv.QUOTE_MINIMAL, strict=True)
rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline=""), dialect="rfc4180"))
header, body = rows[0], rows[1:]
assert len(body) == 58, len(body)
assert all(len(row) == len(header) == 2 + 7 * 6 + 1 for row in rows), {len(row) for row in rows}

by_name = {row[0]: dict(zip(header, row)) for row in body}
axe = by_name["Executioner's Axe"]
assert axe["Ingots"] == "15", axe
float(axe["Ingots Required (Skill 100)"]), float(axe["Price (Skill 50)"])
chainmail = by_name["*Chainmail"]
assert chainmail["Set Contents"] == "Chainmail Leggings, Chainmail Tunic, Chainmail Coif", chainmail
assert by_name["*Light Archer"]["Set Contents"].split(", ")[-1] == "Close Helm"
assert by_name["Plate Breastpiece"]["Ingots Required (Skill 100)"] == "196.29"
assert by_name["Plate Breastpiece"]["Price (Skill 100)"] == "2355.45"
for row in body:
    for name, value in zip(header, row):
        if name.startswith(("Ingots Required", "Price")):
            whole, _, cents = value.partition(".")
            assert whole.isdigit() and len(cents) == 2 and cents.isdigit(), (row[0], name, value)

# Writing the records again with the same dialect gives back the very bytes.
again = io.StringIO(newline="")
csv.writer(again, dialect="rfc4180").writerows(rows)
assert again.getvalue().encode("utf-8") == raw, "the sheet quotes exactly what needs quoting"
print(f"{len(body)} rows of {len(header)} fields read back")
