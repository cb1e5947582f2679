// Checked floating-point arithmetic: every calculation of the program goes through here, so that
// a division by zero, an invalid operation or an overflow ends the handler with its message,
// while underflow and rounding are accepted silently.
#pragma once

namespace fp {

// Returns r, or throws the fault that produced it: NaN is an invalid operation, an infinity an
// overflow (the inputs of every operation here are finite, so an infinity is always new).
double checked(double r);

// a / b: x/0 with x != 0 is a division by zero, 0/0 an invalid operation.
double div(double a, double b);
// Natural and decimal logarithm: log(0) is a division by zero, log of a negative an invalid one.
double ln(double x);
double lg(double x);
double sqrt(double x);
double asin(double x);

// A double whose arithmetic operators check every result.
class Real {
public:
    constexpr Real(double v = 0.0) : m_v(v) {} // NOLINT: implicit by design
    constexpr double value() const { return m_v; }

    friend Real operator+(Real a, Real b) { return checked(a.m_v + b.m_v); }
    friend Real operator-(Real a, Real b) { return checked(a.m_v - b.m_v); }
    friend Real operator*(Real a, Real b) { return checked(a.m_v * b.m_v); }
    friend Real operator/(Real a, Real b) { return div(a.m_v, b.m_v); }
    friend Real operator-(Real a) { return -a.m_v; }
    friend bool operator<(Real a, Real b) { return a.m_v < b.m_v; }
    friend bool operator>(Real a, Real b) { return a.m_v > b.m_v; }
    friend bool operator<=(Real a, Real b) { return a.m_v <= b.m_v; }
    friend bool operator>=(Real a, Real b) { return a.m_v >= b.m_v; }
    friend bool operator==(Real a, Real b) { return a.m_v == b.m_v; }

private:
    double m_v;
};

inline Real ln(Real x) {
    return ln(x.value());
}
inline Real lg(Real x) {
    return lg(x.value());
}
inline Real sqrt(Real x) {
    return sqrt(x.value());
}
inline Real asin(Real x) {
    return asin(x.value());
}

} // namespace fp
