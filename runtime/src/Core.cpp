#include "Private.h"

#include <QString>

#include <algorithm>

namespace rt {

RuntimeException::RuntimeException(const std::string& message) : std::runtime_error(message) {}
NilObjectException::NilObjectException() : RuntimeException("a missing object was used") {}
NilObjectException::NilObjectException(const std::string& message) : RuntimeException(message) {}
IllegalCastException::IllegalCastException(const std::string& message) : RuntimeException(message) {}

void RaiseNilObjectException()
{
    throw NilObjectException();
}

int RuntimeStringCompare(std::string_view a, std::string_view b)
{
    // Plain ASCII, the common case, needs no conversion.
    auto ascii = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    if (ascii(a) && ascii(b)) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
            if (lower(a[i]) != lower(b[i]))
                return lower(a[i]) < lower(b[i]) ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
    }
    const QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
    const QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    return qa.compare(qb, Qt::CaseInsensitive);
}

std::size_t Len(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

std::string KindName(std::size_t kind)
{
    if (kind == KindOf<bool>())
        return "a Boolean";
    if (kind == KindOf<std::int32_t>())
        return "an integer";
    if (kind == KindOf<Color>())
        return "a colour";
    return "a string";
}

} // namespace rt
