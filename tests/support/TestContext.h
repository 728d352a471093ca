#pragma once

#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "shell/AppContext.h"
#include "support/ScriptedDesktop.h"

#include <QHash>

namespace tarvo::test {

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 3, 1), QTime(10, 0));
};

class MemorySettings final : public SettingsStore {
public:
    QString value(const QString& key) const override { return values.value(key); }
    void setValue(const QString& key, const QString& value) override { values.insert(key, value); }
    QHash<QString, QString> values;
};

class CountingRandom final : public RandomSource {
public:
    std::uint64_t freshSeed() override { return nextSeed++; }
    std::uint64_t nextSeed = 1;
};

// Scripted seams for one test; context() hands them to the windows under test.
struct TestContext {
    ScriptedDesktop desktop;
    FixedClock clock;
    MemorySettings settings;
    CountingRandom random;

    AppContext context() { return {desktop, clock, settings, random}; }
};

} // namespace tarvo::test
