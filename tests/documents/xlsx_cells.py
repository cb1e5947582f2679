#!/usr/bin/python3
"""Prints what a spreadsheet program reads in an XLSX file, as JSON: the names of its sheets,
the cells of the first (value, and number format for numbers) and the workbook's properties."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
rows = []
for row in sheet.iter_rows():
    cells = []
    for cell in row:
        if isinstance(cell.value, (int, float)):
            cells.append({"number": cell.value, "format": cell.number_format})
        else:
            cells.append({"text": cell.value or ""})
    rows.append(cells)
props = book.properties
print(json.dumps({
    "sheets": book.sheetnames,
    "rows": rows,
    "title": props.title or "",
    "subject": props.subject or "",
    "author": props.creator or "",
}))
