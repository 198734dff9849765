// Process-wide access to one instance of a class, created on first use.
#pragma once

template<typename T> class Singleton
{
public:
    virtual ~Singleton() = default;

    /// The one instance; created by the first call (thread-safe) and destroyed at exit.
    static T &instance()
    {
        static T object;
        return object;
    }
};
