#pragma once

#include "common/Application.h"
#include "common/Fonts.h"

#include <QTest>

// Like QTEST_MAIN, but with the programs' own application object, so that failures reaching
// the event loop go to the general error display as in the programs.
#define DAILORA_TEST_MAIN(TestObject)                                                                              \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        Application app(argc, argv, QStringLiteral("Dailora"));                                                    \
        installFontSubstitutions();                                                                                \
        TestObject test;                                                                                           \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }
