// One report engine as the report session knows it: its name, whether it can run here, and how
// to make one.
#pragma once

#include "report/ReportEngine.h"

#include <QString>
#include <functional>
#include <memory>

struct EngineRecord {
    QString name;
    // Asked before each start; an engine that is not available is passed over. Empty: always.
    std::function<bool()> available;
    // Makes a new engine, not yet started.
    std::function<std::unique_ptr<ReportEngine>()> make;
    // Whether a fill may be made ahead, on a thread of its own, for a report to come (see
    // ReportSession::fillAhead).
    bool fillsAhead = false;
};
