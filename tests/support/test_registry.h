#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// One test executable per folder may hold several Qt Test classes; each
// registers itself and the shared main runs them all.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory> &registeredTests();

template <class T> struct TestRegistration {
    TestRegistration()
    {
        registeredTests().push_back([] { return std::make_unique<T>(); });
    }
};

#define REGISTER_TEST(Class) static TestRegistration<Class> registration##Class;
