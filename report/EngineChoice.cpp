#include "report/EngineChoice.h"

#include "report/FirstStartingEngine.h"

#ifdef KORVELA_WITH_WRITER
#include "report/WriterEngine.h"
#include "report/WriterOffice.h"
#endif

#include <memory>
#include <utility>
#include <vector>

bool writerEngineBuilt() {
#ifdef KORVELA_WITH_WRITER
    return true;
#else
    return false;
#endif
}

EngineMaker standardEngineMaker(const QString& outputDir, RtfEngine::Opener opener) {
#ifdef KORVELA_WITH_WRITER
    // The one Writer instance of this run, shared by the engines made here.
    auto office = std::make_shared<WriterOffice>(WriterOffice::Options{});
#endif
    return [=]() -> std::unique_ptr<DocumentEngine> {
        std::vector<std::unique_ptr<DocumentEngine>> candidates;
#ifdef KORVELA_WITH_WRITER
        if (!WriterOffice::sofficePath().isEmpty())
            candidates.push_back(std::make_unique<WriterEngine>(office));
#endif
        candidates.push_back(std::make_unique<RtfEngine>(outputDir, opener));
        return std::make_unique<FirstStartingEngine>(std::move(candidates));
    };
}
