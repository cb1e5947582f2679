// Which word processor the report uses: LibreOffice Writer when it is installed and starts,
// the built-in RTF engine otherwise.
#pragma once

#include "report/RtfEngine.h"
#include "report/WordAdapter.h"

// Whether this build can drive LibreOffice Writer.
bool writerEngineBuilt();

// The maker for WordApp: each engine it makes tries Writer first (reusing the instance this
// program started while it is alive) and falls back to the RTF engine, which writes shown
// reports into outputDir and opens them with opener.
EngineMaker standardEngineMaker(const QString& outputDir, RtfEngine::Opener opener);
