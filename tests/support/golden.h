#pragma once

#include <QString>

// Golden files: the expected text of a test's output in tests/data/<name>.
// Empty when actual is the file's text; otherwise where they part, and actual
// is saved as <name>.actual in the working directory. With LUMORA_UPDATE_GOLDEN=1
// the golden file is written from actual instead.
QString goldenDifference(const QString &name, const QString &actual);

#define COMPARE_GOLDEN(name, actual)                                                                                   \
    do {                                                                                                               \
        const QString goldenText = goldenDifference(name, actual);                                                     \
        QVERIFY2(goldenText.isEmpty(), qPrintable(goldenText));                                                        \
    } while (false)
