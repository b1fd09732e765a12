#pragma once
// Every test run gets its own HOME, config and runtime folders, so no test sees or
// changes a real user's settings or instance lock.

#include "ApplicationIcon.h"
#include "ScriptedPlatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

struct TestEnvironment {
    QTemporaryDir home;
    TestEnvironment()
    {
        if (!home.isValid())
            std::abort();
        const QByteArray root = home.path().toLocal8Bit();
        qputenv("HOME", root);
        qputenv("XDG_CONFIG_HOME", root + "/config");
        qputenv("XDG_RUNTIME_DIR", root);
        qputenv("XDG_DATA_HOME", root + "/data");
        qputenv("XDG_CACHE_HOME", root + "/cache");
    }
};

// A time limit written for a normal build, stretched in a sanitizer build, which runs several
// times slower (HCN_TIME_SCALE, set in support/CMakeLists.txt).
constexpr qint64 timeLimitMs(qint64 normalBuildMs) { return normalBuildMs * HCN_TIME_SCALE; }

#define HCN_TEST_MAIN(TestClass)                                                                   \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestEnvironment environment;                                                               \
        QApplication app(argc, argv);                                                              \
        Platform::current() = unscriptedServices();                                                \
        QApplication::setWindowIcon(applicationIcon()); /* as the program's start-up does */       \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
