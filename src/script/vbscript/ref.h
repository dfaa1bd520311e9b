#pragma once

#include <cstdint>
#include <utility>

namespace vbs {

// Base of every reference-counted engine value (objects, arrays, strings).
// The count is intrusive so a raw `this` (Me) can become a reference again.
// When the last reference goes, finalRelease() runs at once; releases nested
// deeper than a fixed bound are queued and run iteratively, so freeing a long
// chain of objects never exhausts the C++ stack.
class RefCounted
{
public:
    RefCounted() = default;
    RefCounted(const RefCounted &) = delete;
    RefCounted &operator=(const RefCounted &) = delete;

    void addRef() noexcept { ++m_refs; }
    void release() noexcept
    {
        if (--m_refs == 0)
            destroy(this);
    }
    std::int32_t refCount() const noexcept { return m_refs; }

protected:
    virtual ~RefCounted() = default;
    // Called when the count reaches zero; the default deletes the object.
    // Script class instances override it to run Class_Terminate first.
    virtual void finalRelease() noexcept { delete this; }
    // For finalRelease overrides that took a temporary reference: drops it
    // and tells whether it was the last one.
    bool dropTemporaryRef() noexcept { return --m_refs == 0; }

private:
    static void destroy(RefCounted *object) noexcept;
    std::int32_t m_refs = 0;
};

// Intrusive smart pointer over a RefCounted.
template <class T>
class Ref
{
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept {}
    explicit Ref(T *p) noexcept : m_p(p)
    {
        if (m_p)
            m_p->addRef();
    }
    Ref(const Ref &o) noexcept : Ref(o.m_p) {}
    Ref(Ref &&o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    template <class U>
    Ref(const Ref<U> &o) noexcept : Ref(static_cast<T *>(o.get()))
    {
    }
    ~Ref()
    {
        if (m_p)
            m_p->release();
    }
    Ref &operator=(Ref o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }

    T *get() const noexcept { return m_p; }
    T *operator->() const noexcept { return m_p; }
    T &operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    bool operator==(const Ref &o) const noexcept { return m_p == o.m_p; }

private:
    T *m_p = nullptr;
};

template <class T, class... A>
Ref<T> makeRef(A &&...args)
{
    return Ref<T>(new T(std::forward<A>(args)...));
}

} // namespace vbs
