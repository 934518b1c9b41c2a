#!/usr/bin/env python3
"""Reads the sheet's CSV back with Python's own csv module, as a spreadsheet script would."""
import csv, io, subprocess, sys

raw = subprocess.run([sys.argv[1], "--csv", "--level", "all"], check=True, capture_output=True).stdout
assert raw.endswith(b"\r\n") and raw.count(b"\n") == raw.count(b"\r\n"), "every record ends with CR LF"
csv.register_dialect("rfc4180", lineterminator="\r\n", quoting=csv.QUOTE_MINIMAL, strict=True)
rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline=""), dialect="rfc4180"))
header, body = rows[0], rows[1:]
assert len(body) == 58 and all(len(row) == len(header) == 2 + 7 * 6 + 1 for row in rows), {len(row) for row in rows}
by_name = {row[0]: dict(zip(header, row)) for row in body}
assert by_name["*Chainmail"]["Set Contents"] == "Chainmail Leggings, Chainmail Tunic, Chainmail Coif"
assert by_name["Plate Breastpiece"]["Price (Skill 100)"] == "2355.45"
# Writing the records again with the same dialect gives back the very bytes: the sheet quotes exactly what needs it.
again = io.StringIO(newline="")
csv.writer(again, dialect="rfc4180").writerows(rows)
assert again.getvalue().encode("utf-8") == raw
print(f"{len(body)} rows of {len(header)} fields read back")
