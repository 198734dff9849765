// A reference-counted handle for documents, definitions and models crossing threads.
#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace Nivo {

/// Shares one heap object between owners. The count lives in a block of its own, guarded
/// by a lock that protects only the count; the object itself is not synchronised. The
/// last release deletes the object through its virtual destructor.
template<typename T> class SharedHandle
{
public:
    SharedHandle() = default;
    explicit SharedHandle(T *object)
        : m_block(new Block {{}, 1, object})
    { }
    template<typename U>
    explicit SharedHandle(std::unique_ptr<U> object)
        : SharedHandle(static_cast<T *>(object.release()))
    { }
    SharedHandle(const SharedHandle &other)
        : m_block(other.m_block)
    {
        acquire();
    }
    SharedHandle(SharedHandle &&other) noexcept
        : m_block(std::exchange(other.m_block, nullptr))
    { }
    SharedHandle &operator=(SharedHandle other) noexcept
    {
        std::swap(m_block, other.m_block);
        return *this;
    }
    ~SharedHandle() { release(); }

    T *get() const { return m_block ? m_block->object : nullptr; }
    T *operator->() const { return get(); }
    T &operator*() const { return *get(); }
    explicit operator bool() const { return get() != nullptr; }

    /// Hands the object out of every handle that shares it; the handles keep their count
    /// but no longer delete anything.
    std::unique_ptr<T> take()
    {
        if (!m_block)
            return nullptr;
        return std::unique_ptr<T>(std::exchange(m_block->object, nullptr));
    }
    /// Drops this handle's reference.
    void reset()
    {
        release();
        m_block = nullptr;
    }
    /// Number of handles sharing the object (0 for an empty handle).
    long useCount() const
    {
        if (!m_block)
            return 0;
        std::scoped_lock lock(m_block->lock);
        return m_block->count;
    }

private:
    struct Block
    {
        std::mutex lock;
        long count;
        T *object;
    };

    void acquire()
    {
        if (!m_block)
            return;
        std::scoped_lock lock(m_block->lock);
        ++m_block->count;
    }
    void release()
    {
        if (!m_block)
            return;
        bool last = false;
        {
            std::scoped_lock lock(m_block->lock);
            last = --m_block->count == 0;
        }
        if (last) {
            delete m_block->object;
            delete m_block;
        }
        m_block = nullptr;
    }

    Block *m_block = nullptr;
};

} // namespace Nivo
