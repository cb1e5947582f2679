#include "report/WordAdapter.h"

WordApplication WordApp;

namespace {
// Runs one operation on the current application; no application or any error gives false.
template <class Operation> bool onApplication(Operation&& operation) {
    try {
        if (!WordApp.engine)
            return false;
        return operation(*WordApp.engine);
    } catch (...) {
        return false;
    }
}
} // namespace

bool WordCreate() {
    try {
        if (!WordApp.maker)
            return false;
        std::unique_ptr<DocumentEngine> engine = WordApp.maker();
        if (!engine)
            return false;
        engine->create();
        WordApp.engine = std::move(engine);
        return true;
    } catch (...) {
        return false;
    }
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
    return onApplication([&](DocumentEngine& e) { return e.findReplace(Key, Value); });
}

void WordRelease() {
    WordApp.engine.reset();
    WordApp.maker = nullptr;
}
