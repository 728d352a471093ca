// Any text as the stored reminder moment: one of the three actions, never a crash.
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const tarvo::fuzz::Verdict verdict = tarvo::fuzz::checkReminderValue(bytes);
    if (!verdict.fault.isEmpty()) {
        std::fprintf(stderr, "reminder date: %s\n", qPrintable(verdict.fault));
        std::abort();
    }
    return 0;
}
