#pragma once

#include <cstddef>
#include <memory>

namespace cdx {

// A fixed array whose memory is taken at once but made, and so becomes
// resident, only as its slots are first written: a ring that has not yet
// wrapped costs what it holds, not its whole capacity.
template <typename T> class UntouchedArray {
public:
    explicit UntouchedArray(std::size_t capacity)
        : m_slots(std::allocator<T>().allocate(capacity)), m_capacity(capacity)
    {
    }
    ~UntouchedArray()
    {
        std::destroy_n(m_slots, m_made);
        std::allocator<T>().deallocate(m_slots, m_capacity);
    }
    UntouchedArray(const UntouchedArray&) = delete;
    UntouchedArray& operator=(const UntouchedArray&) = delete;

    // The slot at `index` for writing, made (with every one before it) on
    // its first use.
    T& slot(std::size_t index)
    {
        for (; m_made <= index; ++m_made) {
            std::construct_at(m_slots + m_made);
        }
        return m_slots[index];
    }
    // A slot written before.
    T& operator[](std::size_t index) { return m_slots[index]; }
    const T& operator[](std::size_t index) const { return m_slots[index]; }

    // How many slots have been made: the array's resident part.
    std::size_t made() const { return m_made; }

private:
    T* m_slots;
    std::size_t m_capacity;
    std::size_t m_made = 0;
};

} // namespace cdx
