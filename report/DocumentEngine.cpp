#include "report/DocumentEngine.h"

DocumentEngine::~DocumentEngine() = default;
