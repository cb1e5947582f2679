// What a design's documents say of the project: the object, the document, the organisation and
// who drew, checked and approved them. Every field is text as typed and may stay empty; the
// documents then leave its place blank for hand filling.
#pragma once

#include <QString>

struct ProjectData {
    QString object;        // "Объект"
    QString address;       // "Адрес"
    QString documentCode;  // "Обозначение документа", e.g. "123-ЭС"
    QString stage;         // "Стадия": "П" or "Р"
    QString organisation;  // "Организация"
    QString developer;     // "Разработал"
    QString checker;       // "Проверил"
    QString normControl;   // "Н. контроль"
    QString chiefEngineer; // "ГИП"
    QString date;          // "Дата", as typed

    // Whether nothing is filled: the documents are then those of a design without project data.
    bool isEmpty() const { return *this == ProjectData{}; }

    bool operator==(const ProjectData&) const = default;
};
