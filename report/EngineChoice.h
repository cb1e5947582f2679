// The report engines of the program, in the order they are tried: LibreOffice Writer when it is
// installed and starts, otherwise the note written as RTF and PDF by the program itself.
#pragma once

#include "report/DesktopOpener.h"
#include "report/EngineRecord.h"

#include <QString>
#include <vector>

// Writer (when this build drives it and soffice is on PATH; every report of the session reuses
// the instance this program started while it is alive), then the note's files, which writes shown
// reports into outputDir as RTF and PDF and opens the PDF with opener.
std::vector<EngineRecord> standardEngines(const QString& outputDir, FileOpener opener);
