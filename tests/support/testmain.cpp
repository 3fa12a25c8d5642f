#include "testmain.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <map>
#include <string>

namespace testsupport {

namespace {

std::map<std::string, TestFactory> &testClasses()
{
    static std::map<std::string, TestFactory> classes;
    return classes;
}

} // namespace

bool registerTestClass(const char *name, TestFactory make)
{
    testClasses().emplace(name, make);
    return true;
}

} // namespace testsupport

int main(int argc, char **argv)
{
    // As QTest's own main for widget tests: window tests see 96 dpi on any screen.
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const auto &classes = testsupport::testClasses();
    if (argc > 1 && argv[1][0] != '-') {
        const auto found = classes.find(argv[1]);
        if (found == classes.end()) {
            fprintf(stderr, "%s: no test class %s; this program has:\n", argv[0], argv[1]);
            for (const auto &entry : classes)
                fprintf(stderr, "  %s\n", entry.first.c_str());
            return 2;
        }
        const std::unique_ptr<QObject> test = found->second();
        // The class's name stands where QTest expects the program's.
        return QTest::qExec(test.get(), argc - 1, argv + 1);
    }
    int failed = 0;
    for (const auto &entry : classes) {
        const std::unique_ptr<QObject> test = entry.second();
        failed += QTest::qExec(test.get(), argc, argv) != 0;
    }
    return failed;
}
