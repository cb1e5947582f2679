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
};
