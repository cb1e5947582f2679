// The schedule of equipment and materials as a spreadsheet ("Экспорт спецификации (XLSX)"):
// one worksheet with the form's nine columns, numbers as numbers.
#pragma once

#include "calc/EquipmentSchedule.h"
#include "design/ProjectData.h"

#include <QString>

// Writes schedule to the XLSX file at path in place of what is there: the header row, a row a
// product (positions and quantities as numbers, metres and masses with two decimals) and the
// closing row with the total mass. The project data, where filled, become the workbook's
// properties (title, subject, author, company). Texts keep every character XML can hold.
// The file is written beside its place and put there only once it is whole; on failure throws
// EquipmentScheduleXlsxError naming the file and the reason, and leaves the old file as it was.
void saveEquipmentScheduleXlsx(const QString& path, const EquipmentSchedule& schedule,
                               const ProjectData& project = {});

// A text as a cell can hold it: the characters XML 1.0 cannot carry (control characters but the
// tab and the line feed, lone surrogates, U+FFFE, U+FFFF) left out, cut at a cell's 32 767.
QString spreadsheetText(const QString& text);
