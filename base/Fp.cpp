#include "base/Fp.h"

#include "base/Errors.h"

#include <cmath>

namespace fp {

using Kind = ArithmeticFault::Kind;

double checked(double r) {
    if (std::isnan(r))
        throw ArithmeticFault(Kind::InvalidOperation);
    if (std::isinf(r))
        throw ArithmeticFault(Kind::Overflow);
    return r;
}

double div(double a, double b) {
    if (b == 0.0)
        throw ArithmeticFault(a == 0.0 || std::isnan(a) ? Kind::InvalidOperation
                                                        : Kind::DivisionByZero);
    return checked(a / b);
}

double ln(double x) {
    if (x == 0.0)
        throw ArithmeticFault(Kind::DivisionByZero);
    if (!(x > 0.0))
        throw ArithmeticFault(Kind::InvalidOperation);
    return checked(std::log(x));
}

double lg(double x) {
    return div(ln(x), std::log(10.0));
}

double sqrt(double x) {
    if (x < 0.0)
        throw ArithmeticFault(Kind::InvalidOperation);
    return checked(std::sqrt(x));
}

double asin(double x) {
    if (!(x >= -1.0 && x <= 1.0))
        throw ArithmeticFault(Kind::InvalidOperation);
    return checked(std::asin(x));
}

} // namespace fp
