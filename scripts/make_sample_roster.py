#!/usr/bin/env python3
"""Writes docs/samples/visitors.xlsx: a visiting club's roster as a spreadsheet program saves it
(shared strings, numbers stored as numbers), with English headings, a whole-name column, a
number used twice, a row without a number and a staff row out of range, to try the team
editor's "Apri foglio di calcolo…" on."""
import pathlib
import zipfile
from xml.sax.saxutils import escape

ROWS = [
    ["Shirt", "Player", "Position"],
    [1, "HARTMANN Lena", "Setter"],
    [4, "Okafor Grace", "Outside hitter"],
    [7, "SILVA Marta", "Opposite"],
    [9, "Dubois Claire", "Middle blocker"],
    [11, "Novak Petra", "Libero"],
    [4, "Jensen Ida", "Outside hitter"],
    ["", "Moreau Anaïs", "Middle blocker"],
    [14, "KOWALSKA Zofia", "Outside hitter"],
    [17, "Rossi Giulia", "Setter"],
    [120, "Staff Coach", "Coach"],
]
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELATIONS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PACKAGE = "http://schemas.openxmlformats.org/package/2006"
TYPE = "application/vnd.openxmlformats-officedocument.spreadsheetml"
# The parts an office suite needs to open the workbook; Brivanta itself reads only the last two.
FRAME = {
    "[Content_Types].xml":
        f'<Types xmlns="{PACKAGE}/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        f'<Override PartName="/xl/workbook.xml" ContentType="{TYPE}.sheet.main+xml"/>'
        f'<Override PartName="/xl/worksheets/sheet1.xml" ContentType="{TYPE}.worksheet+xml"/>'
        f'<Override PartName="/xl/sharedStrings.xml" ContentType="{TYPE}.sharedStrings+xml"/></Types>',
    "_rels/.rels":
        f'<Relationships xmlns="{PACKAGE}/relationships"><Relationship Id="rId1" '
        f'Type="{RELATIONS}/officeDocument" Target="xl/workbook.xml"/></Relationships>',
    "xl/workbook.xml":
        f'<workbook xmlns="{MAIN}" xmlns:r="{RELATIONS}"><sheets>'
        '<sheet name="Roster" sheetId="1" r:id="rId1"/></sheets></workbook>',
    "xl/_rels/workbook.xml.rels":
        f'<Relationships xmlns="{PACKAGE}/relationships">'
        f'<Relationship Id="rId1" Type="{RELATIONS}/worksheet" Target="worksheets/sheet1.xml"/>'
        f'<Relationship Id="rId2" Type="{RELATIONS}/sharedStrings" Target="sharedStrings.xml"/>'
        "</Relationships>",
}


def main():
    strings, index, sheet = [], {}, []
    for r, row in enumerate(ROWS, 1):
        cells = []
        for c, value in enumerate(row):
            ref = f"{chr(ord('A') + c)}{r}"
            if value == "":
                continue
            if isinstance(value, int):
                cells.append(f'<c r="{ref}"><v>{value}</v></c>')
            else:
                index.setdefault(value, len(strings))
                if index[value] == len(strings):
                    strings.append(value)
                cells.append(f'<c r="{ref}" t="s"><v>{index[value]}</v></c>')
        sheet.append(f'<row r="{r}">{"".join(cells)}</row>')
    out = pathlib.Path(__file__).resolve().parent.parent / "docs" / "samples" / "visitors.xlsx"
    out.parent.mkdir(parents=True, exist_ok=True)
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        parts = dict(FRAME)
        parts["xl/sharedStrings.xml"] = (f'<sst xmlns="{MAIN}">'
                                         + "".join(f"<si><t>{escape(s)}</t></si>" for s in strings) + "</sst>")
        parts["xl/worksheets/sheet1.xml"] = (f'<worksheet xmlns="{MAIN}"><sheetData>' + "".join(sheet)
                                             + "</sheetData></worksheet>")
        for name, xml in parts.items():
            # A fixed date: the same roster gives the same file.
            entry = zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(entry, '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>' + xml)
    print(f"Sample roster written to {out}.")


if __name__ == "__main__":
    main()
