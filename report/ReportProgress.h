// Where the report shows how far it has got: the progress window, or a recorder in checks.
#pragma once

class ReportProgress {
public:
    virtual ~ReportProgress() = default;
    // Shows the progress, not modal, at 0.
    virtual void open() = 0;
    // Advances by step and repaints; advances beyond the end leave it full.
    virtual void advance(int step) = 0;
    virtual void close() = 0;
};

// No progress shown: a PDF written at once, a report made in checks.
class NoProgress : public ReportProgress {
public:
    void open() override {}
    void advance(int) override {}
    void close() override {}
};
