// Several Qt Test classes in one program. Each test source ends with QTEST_MAIN(Class) (or
// QTEST_GUILESS_MAIN, QTEST_APPLESS_MAIN) as any Qt Test does; in a shared program this header comes
// before every source (it is part of the program's precompiled header) and turns that line into the
// class's registration. The program's main() (qtest_main.cpp) then runs the class named by its first
// argument, in a process of its own, with the application object the macro asks for, as the class's
// own program would.
#pragma once

#include <QtTest/QtTest>

namespace orvane::testsupport {

// Runs one test class as its own main() would: the application object, the class, QTest::qExec.
using QtTestRun = int (*)(int argc, char** argv);

// Adds `name` to the classes main() can run; the registration's value is unused.
bool RegisterQtTestClass(const char* name, QtTestRun run);

}  // namespace orvane::testsupport

// The body of Qt's own QTEST_MAIN_WRAPPER, as a function registered under the class's name.
#define ORVANE_QTEST_CLASS(TestObject, ...)                                \
    static int OrvaneRun##TestObject(int argc, char* argv[]) {             \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
        __VA_ARGS__                                                        \
        TestObject tc;                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                         \
        return QTest::qExec(&tc, argc, argv);                              \
    }                                                                      \
    [[maybe_unused]] static const bool kOrvaneRegistered##TestObject =     \
        orvane::testsupport::RegisterQtTestClass(#TestObject, &OrvaneRun##TestObject);

#undef QTEST_MAIN
#define QTEST_MAIN(TestObject) ORVANE_QTEST_CLASS(TestObject, QTEST_MAIN_SETUP())
#undef QTEST_GUILESS_MAIN
#define QTEST_GUILESS_MAIN(TestObject) ORVANE_QTEST_CLASS(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#undef QTEST_APPLESS_MAIN
#define QTEST_APPLESS_MAIN(TestObject) ORVANE_QTEST_CLASS(TestObject)
