#pragma once

#include <QtTest>

// Runs several test classes in one test program; fails when any of them fails.
// A class name among the arguments ("TestAlarms") runs only the classes named;
// the other arguments go to each of them as usual.
template<typename Test>
int runTestClass(const QStringList &arguments)
{
    Test test;
    const QString name = QString::fromLatin1(test.metaObject()->className());
    QStringList own = arguments;
    bool named = false;
    QStringList classNames;
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("Test")) && !argument.contains(QLatin1Char(':'))) {
            classNames << argument;
            own.removeAll(argument);
            named = named || argument == name;
        }
    }
    if (!classNames.isEmpty() && !named)
        return 0;
    return QTest::qExec(&test, own);
}

template<typename... Tests>
int runTestClasses(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return (runTestClass<Tests>(arguments) + ...);
}

#define LUMORA_TEST_MAIN(AppType, ...)                                                                                 \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        AppType app(argc, argv);                                                                                       \
        return runTestClasses<__VA_ARGS__>(argc, argv);                                                                \
    }
