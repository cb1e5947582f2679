// Errors that end an event handler and are shown to the user in the error box.
#pragma once

#include <QString>
#include <exception>

// A failure the user is told about: a number text that does not convert, or an arithmetic fault.
class UserError : public std::exception {
public:
    explicit UserError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not a number in the expected notation.
class ConversionError : public UserError {
public:
    using UserError::UserError;
};

// Division by zero, an invalid operation or an overflow in a calculation.
class ArithmeticFault : public UserError {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };
    explicit ArithmeticFault(Kind kind);
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};
