#include "report/WordAdapter.h"

WordApplication WordApp;

namespace {

bool fail(EngineFailure::Kind kind, const QString& reason, const QString& file = {}) {
    WordApp.lastFailure = {kind, reason, file};
    return false;
}

// Runs an operation; any error gives false, with its reason kept.
template <class Operation> bool keepingTheReason(Operation&& operation) {
    WordApp.lastFailure = {};
    try {
        return operation();
    } catch (const EngineFailure& e) {
        return fail(e.kind(), e.reason(), e.file());
    } catch (const std::exception& e) {
        return fail(EngineFailure::Kind::Other, QString::fromUtf8(e.what()));
    } catch (...) {
        return fail(EngineFailure::Kind::Other, QStringLiteral("unknown error"));
    }
}

// Runs one operation on the current application; no application or any error gives false.
template <class Operation> bool onApplication(Operation&& operation) {
    return keepingTheReason([&] {
        if (!WordApp.engine)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor started"));
        return operation(*WordApp.engine);
    });
}

} // namespace

bool WordCreate() {
    return keepingTheReason([] {
        if (!WordApp.maker)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor to start"));
        std::unique_ptr<DocumentEngine> engine = WordApp.maker();
        if (!engine)
            return fail(EngineFailure::Kind::Other, QStringLiteral("no word processor to start"));
        engine->create();
        WordApp.engine = std::move(engine);
        return true;
    });
}

bool WordSetVisible(bool Visible) {
    return onApplication([&](DocumentEngine& e) {
        e.setVisible(Visible);
        return true;
    });
}

bool WordOpenDocument(const QString& FileName) {
    return onApplication([&](DocumentEngine& e) {
        e.openDocument(FileName);
        return true;
    });
}

bool WordGoToStart() {
    return onApplication([](DocumentEngine& e) {
        e.goToStart();
        return true;
    });
}

bool WordFindReplace(const QString& Key, const QString& Value) {
    return onApplication([&](DocumentEngine& e) {
        if (e.findReplace(Key, Value))
            return true;
        return fail(EngineFailure::Kind::Other, QStringLiteral("not found: ") + Key);
    });
}

void WordRelease() {
    WordApp.engine.reset();
    WordApp.maker = nullptr;
    WordApp.lastFailure = {};
}
