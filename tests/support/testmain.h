#pragma once

#include <QObject>
#include <memory>

// The test classes of one folder share one executable (see tests/CMakeLists.txt): each file
// registers its class with TRELLIS_TEST instead of QTest's main macros, and the shared main runs
// the class named by its first argument (the rest are QTest's usual arguments), or every class
// when none is named.
namespace testsupport {

using TestFactory = std::unique_ptr<QObject> (*)();

// Returns true, so that registering can initialise a variable.
bool registerTestClass(const char *name, TestFactory make);

} // namespace testsupport

#define TRELLIS_TEST(TestClass)                                                                    \
    namespace {                                                                                    \
    [[maybe_unused]] const bool registered##TestClass = testsupport::registerTestClass(            \
        #TestClass, [] { return std::unique_ptr<QObject>(new TestClass); });                       \
    }
