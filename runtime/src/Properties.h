// Stored property lists. Each class of the runtime has one table from
// property name to the kind of value it takes and the setter that gives it
// effect; a list is applied by name, in its stored order.
#pragma once

#include "rt/Core.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <variant>
#include <vector>

namespace rt {

// Stored property values, by name, as last applied.
using PropertyStore = std::map<std::string, Value, std::less<>>;

// The kind of a stored value: the index of its type in Value.
template <class T, std::size_t I = 0>
constexpr std::size_t KindOf()
{
    static_assert(I < std::variant_size_v<Value>, "not a type of stored value");
    if constexpr (std::is_same_v<std::variant_alternative_t<I, Value>, T>)
        return I;
    else
        return KindOf<T, I + 1>();
}

// "a Boolean", "an integer", ...: for the error that names a wrong kind.
std::string KindName(std::size_t kind);

// One row of a class's property table.
template <class Target>
struct PropertyEntry {
    const char* name;
    std::size_t kind;
    std::function<void(Target&, const Value&)> apply; // none where the value is only kept
};

// The rows of a table for targets of class Target, each typed by its value:
// Set<bool>("Visible", [](Target& t, bool on) { ... }), Keep<std::int32_t>("Frame").
template <class Target>
struct PropertyRows {
    template <class T>
    static PropertyEntry<Target> Set(const char* name, void (*apply)(Target&, T))
    {
        using Stored = std::remove_cvref_t<T>;
        return {name, KindOf<Stored>(), [apply](Target& target, const Value& v) { apply(target, std::get<Stored>(v)); }};
    }
    template <class T>
    static PropertyEntry<Target> Keep(const char* name)
    {
        return {name, KindOf<T>(), nullptr};
    }
};

// A class's properties, found by name.
template <class Target>
class PropertyTable {
public:
    explicit PropertyTable(std::vector<PropertyEntry<Target>> entries) : entries_(std::move(entries))
    {
        for (const auto& e : entries_)
            index_.emplace(e.name, &e);
    }
    // The index points into this table's own rows.
    PropertyTable(const PropertyTable&) = delete;
    PropertyTable& operator=(const PropertyTable&) = delete;

    const PropertyEntry<Target>* Find(std::string_view name) const
    {
        auto it = index_.find(name);
        return it == index_.end() ? nullptr : it->second;
    }

private:
    std::vector<PropertyEntry<Target>> entries_;
    std::unordered_map<std::string_view, const PropertyEntry<Target>*> index_;
};

// Applies a stored list by name, in order. Setters that share an effect (the
// font, the colours, the window flags) only mark it; the target gives it
// effect once the whole list is in.
template <class Target>
void ApplyProperties(Target& target, const std::string& className, PropertyStore& store,
                     const PropertyTable<Target>& table, const Properties& list)
{
    for (const auto& [name, value] : list) {
        const PropertyEntry<Target>* entry = table.Find(name);
        if (!entry)
            throw RuntimeException("unknown property \"" + name + "\" for class " + className);
        if (value.index() != entry->kind)
            throw RuntimeException("property \"" + name + "\" of class " + className + " takes "
                                   + KindName(entry->kind));
        store[name] = value;
        if (entry->apply)
            entry->apply(target, value);
    }
    target.FinishProperties();
}

} // namespace rt
