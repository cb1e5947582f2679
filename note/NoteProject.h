// What the note says of the project: the head naming the object, the document and the
// organisation, and the signature lines at its end. Nothing for a design without project data.
#pragma once

#include "design/ProjectData.h"

#include <QString>

// The head: one line for each of the object, the document code and the organisation that is
// given, in that order; empty when none is.
QString noteProjectHead(const ProjectData& project);

// The signature lines "Разработал" and "Проверил", each with the name, a line for the signature
// and the date (a name or date not given is a line to fill by hand), split by tabs; empty when
// the project data are.
QString noteSignatures(const ProjectData& project);
