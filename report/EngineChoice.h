// The report engines of the program, in the order they are tried: LibreOffice Writer when it is
// installed and starts, the built-in RTF engine otherwise.
#pragma once

#include "report/EngineRecord.h"
#include "report/RtfEngine.h"

#include <QString>
#include <vector>

// Writer (when this build drives it and soffice is on PATH; every report of the session reuses
// the instance this program started while it is alive), then the RTF engine, which writes shown
// reports into outputDir and opens them with opener.
std::vector<EngineRecord> standardEngines(const QString& outputDir, RtfEngine::Opener opener);
