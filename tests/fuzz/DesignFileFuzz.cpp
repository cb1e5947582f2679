// Fuzzes the design reader: whatever it opens saves again, opens to the same design under either
// decimal separator, and saves to the same bytes; whatever it refuses, it refuses with a reason.
// The seeds under v1/ are files of version 1, which are brought up to the current version first.
#include "design/DesignFile.h"
#include "design/DesignFileError.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const NumberText comma(QLatin1Char(','));
    const NumberText point(QLatin1Char('.'));
    DesignInputs opened;
    try {
        opened = DesignFile::fromJson(file, comma);
    } catch (const DesignFileError& e) {
        check(!e.reason().isEmpty());
        // The reader does not depend on the separator for what it refuses.
        try {
            DesignFile::fromJson(file, point);
            check(false);
        } catch (const DesignFileError&) {
        }
        return 0;
    }
    const QByteArray saved = DesignFile::toJson(opened, comma);
    check(DesignFile::fromJson(saved, comma) == opened);
    const DesignInputs elsewhere = DesignFile::fromJson(saved, point);
    check(DesignFile::toJson(elsewhere, point) == saved);
    check(DesignFile::toJson(DesignFile::fromJson(file, point), point) == saved);
    return 0;
}
