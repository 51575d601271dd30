#!/usr/bin/python3
"""Writes resources/ExportExcel.xlsx, the workbook that the Excel export fills
in place: one empty sheet. The export writes the header and title rows
itself.

    /usr/bin/python3 scripts/make-export-workbook.py
"""

import datetime
import os

import openpyxl

FIXED_TIME = datetime.datetime(2024, 1, 1, 0, 0, 0)

here = os.path.dirname(os.path.abspath(__file__))
wb = openpyxl.Workbook()
wb.active.title = "Sammlung"
wb.properties.creator = "QuorDVD"
wb.properties.created = FIXED_TIME
wb.properties.modified = FIXED_TIME
wb.save(os.path.join(here, "..", "resources", "ExportExcel.xlsx"))
