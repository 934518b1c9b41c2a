#!/usr/bin/env python3
"""Reads the sheet's CSV back with Python's own csv module, as a spreadsheet script would."""
import csv, io, subprocess, sys

raw = subprocess.run([sys.argv[1], "--csv", "--level", "all"], check=True, capture_output=True).stdout
csv.register_dialect("rfc4180", lineterminator="\r\n", quoting=csv.QUOTE_MINIMAL, strict=True)
rows = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline=""), dialect="rfc4180"))
assert len(rows) == 59 and all(len(row) == 2 + 7 * 6 + 1 for row in rows), {len(row) for row in rows}
by_name = {row[0]: dict(zip(rows[0], row)) for row in rows[1:]}
assert by_name["*Chainmail"]["Set Contents"] == "Chainmail Leggings, Chainmail Tunic, Chainmail Coif"
assert by_name["Plate Breastpiece"]["Price (Skill 100)"] == "2355.45"
# Written again in the same dialect, the records give back the very bytes: quoting and CR LF exactly as needed.
again = io.StringIO(newline="")
csv.writer(again, dialect="rfc4180").writerows(rows)
assert again.getvalue().encode("utf-8") == raw
print(f"{len(rows) - 1} rows read back")
