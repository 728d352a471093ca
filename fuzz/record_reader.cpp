// Any bytes as a Zodiac record file: one of the reader's outcomes, never a crash.
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tarvo::fuzz::Verdict verdict = tarvo::fuzz::checkRecordBytes(bytes);
    if (!verdict.fault.isEmpty()) {
        std::fprintf(stderr, "record reader: %s\n", qPrintable(verdict.fault));
        std::abort();
    }
    return 0;
}
