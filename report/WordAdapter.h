// The report's adapter over the word processor: the module-wide application reference and the
// five operations, each of which catches every error and answers false.
#pragma once

#include "report/DocumentEngine.h"

#include <QString>
#include <functional>
#include <memory>

// Makes the engine that the next WordCreate starts.
using EngineMaker = std::function<std::unique_ptr<DocumentEngine>()>;

// Why the last adapter operation answered false.
struct WordFailure {
    EngineFailure::Kind kind = EngineFailure::Kind::Other;
    QString reason; // empty while the last operation succeeded
    QString file;   // the report's file, where the failure concerns one
};

// The word processor of this program run.
struct WordApplication {
    // Which engine WordCreate makes; without one, WordCreate fails.
    EngineMaker maker;
    // The application created by the last successful WordCreate; empty before.
    std::unique_ptr<DocumentEngine> engine;
    // The reason of the last failure, cleared when an operation starts.
    WordFailure lastFailure;
};

extern WordApplication WordApp;

// Every operation catches every error, answers false and keeps the reason in WordApp.lastFailure.
// Makes and starts a new application and keeps it in WordApp. On failure WordApp stays as it was.
bool WordCreate();
bool WordSetVisible(bool Visible);
bool WordOpenDocument(const QString& FileName);
bool WordGoToStart();
// True only when Key was found at or after the insertion point and replaced by Value.
bool WordFindReplace(const QString& Key, const QString& Value);
// Releases the application and the maker while the program is still fully running (its end):
// the word processor itself is not told to quit, and its documents stay open.
void WordRelease();
