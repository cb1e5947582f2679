// Checked arithmetic, the error box text and the handler wrapper.
#include "base/Errors.h"
#include "base/Fp.h"
#include "base/Messages.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <exception>
#include <functional>
#include <limits>

namespace {

using Kind = ArithmeticFault::Kind;

Kind faultOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ArithmeticFault& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no fault";
    return Kind::Overflow;
}

TEST(CheckedOperations, EachFaultFromItsOperation) {
    const double big = std::numeric_limits<double>::max();
    const struct {
        const char* what;
        std::function<void()> op;
        Kind kind;
        const char* message;
    } cases[] = {
        {"1/0", [] { fp::div(1, 0); }, Kind::DivisionByZero, "Floating point division by zero"},
        {"-1/0", [] { fp::div(-1, 0); }, Kind::DivisionByZero, "Floating point division by zero"},
        {"0/0", [] { fp::div(0, 0); }, Kind::InvalidOperation, "Invalid floating point operation"},
        {"ln 0", [] { fp::ln(0.0); }, Kind::DivisionByZero, "Floating point division by zero"},
        {"lg 0", [] { fp::lg(0.0); }, Kind::DivisionByZero, "Floating point division by zero"},
        {"ln -1", [] { fp::ln(-1.0); }, Kind::InvalidOperation, "Invalid floating point operation"},
        {"lg -1", [] { fp::lg(-1.0); }, Kind::InvalidOperation, "Invalid floating point operation"},
        {"sqrt -1", [] { fp::sqrt(-1.0); }, Kind::InvalidOperation,
         "Invalid floating point operation"},
        {"asin 2", [] { fp::asin(2.0); }, Kind::InvalidOperation,
         "Invalid floating point operation"},
        {"max*2", [big] { fp::Real(big) * 2; }, Kind::Overflow, "Floating point overflow"},
        {"max+max", [big] { fp::Real(big) + big; }, Kind::Overflow, "Floating point overflow"},
        {"max/0.5", [big] { fp::div(big, 0.5); }, Kind::Overflow, "Floating point overflow"},
        {"1/tiny", [] { fp::Real(1) / 1e-310; }, Kind::Overflow, "Floating point overflow"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(faultOf(c.op), c.kind) << c.what;
        EXPECT_EQ(ArithmeticFault(c.kind).message(), QString::fromLatin1(c.message));
    }
}

TEST(CheckedOperations, UnderflowAndRoundingAreNoFaults) {
    EXPECT_EQ((fp::Real(1e-300) * 1e-300).value(), 0.0);
    EXPECT_GT(fp::div(1e-300, 1e10), 0.0);
    EXPECT_DOUBLE_EQ(fp::lg(1000.0), 3.0);
    EXPECT_DOUBLE_EQ(fp::ln(std::exp(2.0)), 2.0);
    EXPECT_EQ(fp::div(0, 5), 0.0);
}

TEST(ErrorBox, FullStopWhenTheLastCharacterSortsAfterIt) {
    EXPECT_EQ(errorBoxText(QStringLiteral("'' is not a valid floating point value")),
              QStringLiteral("'' is not a valid floating point value."));
    EXPECT_EQ(errorBoxText(QStringLiteral("value 5")), QStringLiteral("value 5."));
    EXPECT_EQ(errorBoxText(QStringLiteral("ends.")), QStringLiteral("ends."));
    EXPECT_EQ(errorBoxText(QStringLiteral("ends ")), QStringLiteral("ends "));
    EXPECT_EQ(errorBoxText(QStringLiteral("ends-")), QStringLiteral("ends-"));
    EXPECT_EQ(errorBoxText(QStringLiteral("слово")), QStringLiteral("слово."));
    EXPECT_EQ(errorBoxText(QString()), QString());
}

TEST(Guarded, KeepsWhatWasStoredAndShowsTheErrorOnce) {
    RecordingSink sink;
    int stored = 0;
    const bool ran = guarded(sink, [&] {
        stored = 1;
        fp::div(1, 0);
        stored = 2;
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(stored, 1);
    ASSERT_EQ(sink.errors.size(), 1);
    EXPECT_EQ(sink.errors[0], QStringLiteral("Floating point division by zero."));

    sink.clear();
    EXPECT_TRUE(guarded(sink, [&] { stored = 3; }));
    EXPECT_EQ(stored, 3);
    EXPECT_TRUE(sink.errors.isEmpty());
}

// The box is shown after the handler has been left, not from inside it: not while the handler's
// frame is still there, nor from the catch that ends it, while the error is still being handled.
TEST(Guarded, ShowsAfterTheHandlerHasBeenLeft) {
    struct OrderSink : MessageSink {
        const bool* inside = nullptr;
        int shown = 0;
        bool shownInside = false;
        bool shownWhileHandling = false;
        void showError(const QString&) override {
            ++shown;
            shownInside = *inside;
            shownWhileHandling = std::current_exception() != nullptr;
        }
        void showMessage(const QString&) override {}
    };
    bool inside = false;
    OrderSink sink;
    sink.inside = &inside;
    guarded(sink, [&] {
        struct Flag {
            bool& f;
            ~Flag() { f = false; }
        } flag{inside};
        inside = true;
        throw ConversionError(QStringLiteral("x"));
    });
    EXPECT_EQ(sink.shown, 1);
    EXPECT_FALSE(sink.shownInside);
    EXPECT_FALSE(sink.shownWhileHandling);
}

} // namespace
