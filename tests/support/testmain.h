#pragma once

#include <QtTest>

// Runs several test classes in one test program; fails when any of them fails.
template<typename Test>
int runTestClass(int argc, char **argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template<typename... Tests>
int runTestClasses(int argc, char **argv)
{
    return (runTestClass<Tests>(argc, argv) + ...);
}

#define LUMORA_TEST_MAIN(AppType, ...)                                                                                 \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        AppType app(argc, argv);                                                                                       \
        return runTestClasses<__VA_ARGS__>(argc, argv);                                                                \
    }
