#include "base/Errors.h"

namespace {
QString faultMessage(ArithmeticFault::Kind kind) {
    switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
        return QStringLiteral("Floating point division by zero");
    case ArithmeticFault::Kind::InvalidOperation:
        return QStringLiteral("Invalid floating point operation");
    case ArithmeticFault::Kind::Overflow:
        return QStringLiteral("Floating point overflow");
    }
    return {};
}
} // namespace

ArithmeticFault::ArithmeticFault(Kind kind) : UserError(faultMessage(kind)), m_kind(kind) {}
