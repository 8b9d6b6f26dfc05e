// The main of a binary holding several widget test classes: the first
// argument names the class; the rest go to Qt Test.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <vector>

#include "support/TestRegistry.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEST-CLASS [QTEST-OPTIONS]\n%s", argv[0],
                     sonara::gui::test::registeredTests().c_str());
        return 2;
    }
    const sonara::gui::test::TestRunner run = sonara::gui::test::findTest(argv[1]);
    if (!run) {
        std::fprintf(stderr, "no test class %s; there are:\n%s", argv[1],
                     sonara::gui::test::registeredTests().c_str());
        return 2;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    std::vector<char*> rest{argv[0]};
    for (int i = 2; i < argc; ++i) {
        rest.push_back(argv[i]);
    }
    return run(static_cast<int>(rest.size()), rest.data());
}
