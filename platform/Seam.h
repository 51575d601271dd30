#pragma once

#include <stdexcept>
#include <string>
#include <typeinfo>

// The one place through which the program reaches a service that a person or
// the machine answers (dialogs, sound, network, randomness). main() installs
// the real implementations; tests install doubles.
template <class Interface>
class Seam {
public:
    static Interface& get()
    {
        if (Interface* s = slot())
            return *s;
        throw std::logic_error(std::string("no implementation installed for ") + typeid(Interface).name());
    }

    static bool installed() { return slot() != nullptr; }

    // Returns the implementation it replaces; the caller keeps ownership of both.
    static Interface* install(Interface* service)
    {
        Interface* previous = slot();
        slot() = service;
        return previous;
    }

    // Installs a service for one scope (a test) and restores the previous one.
    class Scoped {
    public:
        explicit Scoped(Interface& service) : m_previous(install(&service)) {}
        ~Scoped() { install(m_previous); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        Interface* m_previous;
    };

private:
    static Interface*& slot()
    {
        static Interface* service = nullptr;
        return service;
    }
};
