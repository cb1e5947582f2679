// A choice of word processors in order of preference: the first that starts does the work. When it
// cannot read a document that is there and readable, the next one that starts and reads it takes
// over.
#pragma once

#include "report/DocumentEngine.h"

#include <memory>
#include <optional>
#include <vector>

class FirstStartingEngine : public DocumentEngine {
public:
    explicit FirstStartingEngine(std::vector<std::unique_ptr<DocumentEngine>> candidates);

    // Starts the candidates in order until one starts; throws the last failure when none does.
    void create() override;
    void setVisible(bool visible) override;
    // Opens with the started candidate; a readable file that it cannot open is opened with the
    // next candidate that starts and opens it. Throws the first failure when none does.
    void openDocument(const QString& fileName) override;
    void goToStart() override;
    bool findReplace(const QString& key, const QString& value) override;

    // The candidate that started, nullptr before create.
    DocumentEngine* started() const { return m_started; }

private:
    DocumentEngine& current();

    std::vector<std::unique_ptr<DocumentEngine>> m_candidates;
    DocumentEngine* m_started = nullptr;
    std::optional<bool> m_visible; // as last set, for a candidate that takes over
};
