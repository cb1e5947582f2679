// What the note says of the project: the head naming the document and the organisation, the
// object and the date under the title, and the signature lines at its end. Lines to fill by hand
// for a design without project data.
#pragma once

#include "design/ProjectData.h"

#include <QString>

// The head: one line for each of the document code and the organisation that is given, in that
// order; empty when none is.
QString noteProjectHead(const ProjectData& project);

// The object and the date as given, each a line to fill by hand when not.
QString noteObject(const ProjectData& project);
QString noteDate(const ProjectData& project);

// "Расчёт выполнил" with a line to sign, for a design without project data; empty for one with
// them, whose signature lines name the roles.
QString noteSignedBy(const ProjectData& project);

// The signature lines "Разработал" and "Проверил", each with the name, a line for the signature
// and the date (a name or date not given is a line to fill by hand), split by tabs; empty when
// the project data are.
QString noteSignatures(const ProjectData& project);
