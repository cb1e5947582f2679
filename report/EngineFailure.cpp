// A failure of a report engine.
#include "report/EngineFailure.h"

EngineFailure::EngineFailure(Kind kind, const QString& reason, const QString& file)
    : std::runtime_error(reason.toStdString()), m_kind(kind), m_reason(reason), m_file(file) {}
