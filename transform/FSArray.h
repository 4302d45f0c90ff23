#ifndef TRANSFORM_FSARRAY_H
#define TRANSFORM_FSARRAY_H

#include "transform/FSException.h"

#include <memory>
#include <new>
#include <utility>

namespace transform {

// The growable array behind every container of the library. It holds either
// pointers (whose objects the container owns and deletes) or values.
// Creating it for n elements leaves room for 16 more; a full array grows to
// 2 * capacity + 1.
template <typename T>
class FSArray {
public:
    explicit FSArray(int n = 0) : count(n < 0 ? 0 : n), capacity(count + 16), items(allocate(capacity)) {}

    FSArray(const FSArray& other) : count(other.count), capacity(other.capacity), items(allocate(capacity)) {
        copyItems(other);
    }

    FSArray(FSArray&& other) noexcept : count(other.count), capacity(other.capacity), items(other.items) {
        other.count = 0;
        other.capacity = 0;
        other.items = nullptr;
    }

    FSArray& operator=(FSArray other) noexcept {
        std::swap(count, other.count);
        std::swap(capacity, other.capacity);
        std::swap(items, other.items);
        return *this;
    }

    ~FSArray() { delete[] items; }

    void append(T item) {
        if (count == capacity)
            grow();
        items[count++] = std::move(item);
    }

    T& operator[](int index) { return items[checked(index)]; }
    const T& operator[](int index) const { return items[checked(index)]; }

    int getCount() const { return count; }
    int getCapacity() const { return capacity; }

    T* begin() { return items; }
    T* end() { return items + count; }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }

private:
    static T* allocate(int size) {
        try {
            return new T[size]();
        } catch (const std::bad_alloc&) {
            throw FSAllocationException("Cannot allocate memory");
        }
    }

    int checked(int index) const {
        if (index < 0 || index >= count)
            throw FSArrayIndexOutOfBoundsException("Array index out of bounds", index, count);
        return index;
    }

    void copyItems(const FSArray& other) {
        for (int i = 0; i < count; ++i)
            items[i] = other.items[i];
    }

    void grow() {
        int newCapacity = 2 * capacity + 1;
        T* newItems = allocate(newCapacity);
        for (int i = 0; i < count; ++i)
            newItems[i] = std::move(items[i]);
        delete[] items;
        items = newItems;
        capacity = newCapacity;
    }

    int count;
    int capacity;
    T* items;
};

// Deletes what an array of owned pointers points to.
template <typename T>
void deleteElements(FSArray<T*>& array) {
    for (T* element : array)
        delete element;
}

// A deep copy of an array of owned pointers: each element is cloned.
template <typename T>
FSArray<T*> cloneElements(const FSArray<T*>& source) {
    FSArray<T*> copy;
    try {
        for (const T* element : source) {
            std::unique_ptr<T> clone(static_cast<T*>(element->clone()));
            copy.append(clone.get());
            clone.release();
        }
    } catch (...) {
        deleteElements(copy);
        throw;
    }
    return copy;
}

} // namespace transform

#endif
