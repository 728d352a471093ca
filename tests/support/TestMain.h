#pragma once

#include <QApplication>
#include <QtTest>

namespace tarvo::test {

// Points the per-user configuration, data and runtime folders at a private temporary folder, so
// no test touches the user's own settings, journal or locks. Call before the application object
// exists.
void isolateEnvironment();

// The program's fonts, as the program itself installs them.
void installFonts(QApplication& app);

// Call in init(): any Qt warning other than the offscreen platform's own notices fails the test.
void failOnUnexpectedWarnings();

} // namespace tarvo::test

#define TARVO_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        tarvo::test::isolateEnvironment();                                                         \
        QApplication app(argc, argv);                                                              \
        tarvo::test::installFonts(app);                                                            \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
