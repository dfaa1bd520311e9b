#pragma once

#include "errorcore/error.h"

#include <functional>
#include <memory>

// The objects the editor creates by name (error recorder, job data, section
// editor, language reader, colouriser, database connection, ...) come from
// factory slots. The host kit installs its reference implementations
// (hostkit::installReferenceObjects); a host or a test replaces any of them.
namespace host {

template <class T>
class FactorySlot
{
public:
    using Factory = std::function<std::unique_ptr<T>()>;

    explicit FactorySlot(const char *className) : m_className(className) {}

    // A new object; raises 429 naming the class when no factory is installed
    // or the factory gives nothing.
    std::unique_ptr<T> create() const
    {
        std::unique_ptr<T> object = m_factory ? m_factory() : nullptr;
        if (!object)
            throw Error(429, QStringLiteral("ActiveX component can't create object: %1")
                                 .arg(QLatin1String(m_className)));
        return object;
    }

    // Installs `factory` and returns the one it replaces.
    Factory install(Factory factory)
    {
        std::swap(m_factory, factory);
        return factory;
    }

    bool isInstalled() const { return bool(m_factory); }

private:
    const char *m_className;
    Factory m_factory;
};

// Installs a factory for the lifetime of the guard (tests, embedding hosts).
template <class T>
class ScopedFactory
{
public:
    ScopedFactory(FactorySlot<T> &slot, typename FactorySlot<T>::Factory factory)
        : m_slot(slot), m_previous(slot.install(std::move(factory)))
    {
    }
    ~ScopedFactory() { m_slot.install(std::move(m_previous)); }
    ScopedFactory(const ScopedFactory &) = delete;
    ScopedFactory &operator=(const ScopedFactory &) = delete;

private:
    FactorySlot<T> &m_slot;
    typename FactorySlot<T>::Factory m_previous;
};

class ErrorRecorder;
class Colorizer;
class DebugOutput;
class JobData;
class JobSectionEditor;
class LanguageReader;
FactorySlot<ErrorRecorder> &errorRecorders();
FactorySlot<Colorizer> &colorizers();
FactorySlot<JobData> &jobData();
FactorySlot<JobSectionEditor> &jobSectionEditors();
FactorySlot<LanguageReader> &languageReaders();
// Optional: none is installed by default (see DebugOutput).
FactorySlot<DebugOutput> &debugOutputs();

} // namespace host
