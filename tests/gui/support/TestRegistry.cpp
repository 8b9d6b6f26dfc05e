#include "support/TestRegistry.h"

#include <map>

namespace sonara::gui::test {

namespace {

std::map<std::string, TestRunner>& runners() {
    static std::map<std::string, TestRunner> all;
    return all;
}

}  // namespace

bool registerTest(const std::string& name, TestRunner runner) {
    return runners().emplace(name, std::move(runner)).second;
}

TestRunner findTest(const std::string& name) {
    const auto found = runners().find(name);
    return found == runners().end() ? TestRunner() : found->second;
}

std::string registeredTests() {
    std::string names;
    for (const auto& [name, runner] : runners()) {
        names += name + "\n";
    }
    return names;
}

}  // namespace sonara::gui::test
