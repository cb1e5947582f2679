// A report engine as the report sees it.
#include "report/ReportEngine.h"

ReportEngine::~ReportEngine() = default;

bool ReportEngine::filledDocumentOpen() {
    return true;
}

void ReportEngine::discard() {}
