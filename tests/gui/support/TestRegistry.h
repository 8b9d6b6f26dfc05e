#pragma once

#include <functional>
#include <string>

// Widget test classes that share one binary: each registers itself by name
// (SONARA_GUI_TEST at the end of its file, in place of QTEST_MAIN), and the
// binary runs the class its first argument names, in a process of its own.
// Linking one binary per class cost more than compiling the tests.
namespace sonara::gui::test {

using TestRunner = std::function<int(int argc, char** argv)>;

bool registerTest(const std::string& name, TestRunner runner);
// The runner of `name`, or an empty function.
TestRunner findTest(const std::string& name);
// Every registered name, one per line.
std::string registeredTests();

}  // namespace sonara::gui::test

#define SONARA_GUI_TEST(TestClass)                                              \
    namespace {                                                                 \
    const bool registered##TestClass =                                          \
        sonara::gui::test::registerTest(#TestClass, [](int argc, char** argv) { \
            TestClass test;                                                     \
            return QTest::qExec(&test, argc, argv);                             \
        });                                                                     \
    }
