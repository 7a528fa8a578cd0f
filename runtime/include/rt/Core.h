// Core types of the runtime: checked references, the exception family,
// stored property values and the string helpers the program relies on.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace rt {

// Every error the runtime raises on behalf of the program is a RuntimeException.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message);
    // The class name the runtime reports when the exception goes unhandled.
    virtual std::string ClassName() const { return "RuntimeException"; }
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException();
    explicit NilObjectException(const std::string& message);
    std::string ClassName() const override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(const std::string& message);
    std::string ClassName() const override { return "IllegalCastException"; }
};

[[noreturn]] void RaiseNilObjectException();

// A reference that may be empty. Using an empty one raises NilObjectException;
// nothing ever dereferences a null pointer.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) : p_(other.Shared()) {}

    T* operator->() const
    {
        if (!p_)
            RaiseNilObjectException();
        return p_.get();
    }
    T& operator*() const { return *operator->(); }
    explicit operator bool() const { return static_cast<bool>(p_); }
    const std::shared_ptr<T>& Shared() const { return p_; }
    T* Get() const { return p_.get(); }
    void Clear() { p_.reset(); }

    friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }

private:
    std::shared_ptr<T> p_;
};

// A checked cast: an empty reference stays empty; an object of the wrong
// class raises IllegalCastException.
template <class T, class U>
Ref<T> CheckCast(const Ref<U>& r)
{
    if (!r)
        return {};
    auto p = std::dynamic_pointer_cast<T>(r.Shared());
    if (!p)
        throw IllegalCastException("object is not of the expected class");
    return Ref<T>(std::move(p));
}

// The same for an object reached by reference.
template <class T, class U, class = std::enable_if_t<std::is_base_of_v<U, T>>>
T& CheckCast(U& object)
{
    auto* p = dynamic_cast<T*>(&object);
    if (!p)
        throw IllegalCastException("object is not of the expected class");
    return *p;
}

struct Color {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// One stored property value: a Boolean, an integer, a colour or a string.
using Value = std::variant<bool, std::int32_t, Color, std::string>;
using Property = std::pair<std::string, Value>;
using Properties = std::vector<Property>;

// Case-insensitive comparison: 0 when equal, negative or positive otherwise.
int RuntimeStringCompare(std::string_view a, std::string_view b);
// Length in characters (code points) of a UTF-8 string.
std::size_t Len(std::string_view utf8);

} // namespace rt
