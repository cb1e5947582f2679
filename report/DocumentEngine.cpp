#include "report/DocumentEngine.h"

EngineFailure::EngineFailure(Kind kind, const QString& reason, const QString& file)
    : std::runtime_error(reason.toStdString()), m_kind(kind), m_reason(reason), m_file(file) {}

DocumentEngine::~DocumentEngine() = default;
