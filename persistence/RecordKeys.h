// The keys of a saved record, listed once. A record keeps one table of rows in file order, each
// naming a key, the member that holds it and how it is stored; its write and read walk that
// table, and its copy is the plain struct's `=`. Adding a key is adding a row.
//
// A key with a conversion or a guard of its own (a volume stored in percent, a setter that
// applies presets, a block of keys) is a row of two functions written beside the table.
#pragma once

#include <string>
#include <variant>

#include "persistence/GuardedRead.h"
#include "persistence/PersistentObject.h"

template <typename Record>
struct RecordKey {
    // How a text member is stored: <K value="..."/>, <K>text</K>, or K="..." on the element.
    // Numbers and booleans are always <K value="..."/>.
    enum Shape { ValueChild, TextChild, Attribute };
    struct ByHand {
        void (*write)(PersistentObject& node, const char* name, const Record& record);
        void (*read)(const PersistentObject& node, const char* name, Record& record);
    };
    using Field = std::variant<int Record::*, bool Record::*, float Record::*, std::string Record::*, ByHand>;

    const char* name;
    Field field;
    Shape shape = ValueChild;
};

namespace record_keys_detail {
template <typename... Calls>
struct Overloaded : Calls... {
    using Calls::operator()...;
};
template <typename... Calls>
Overloaded(Calls...) -> Overloaded<Calls...>;
}  // namespace record_keys_detail

// Writes each key of the table, in its order, replacing what node held under that name. The
// prefix goes before every name (a block of keys repeated per kick family, say).
template <typename Record, size_t Count>
void writeRecordKeys(PersistentObject& node, const RecordKey<Record> (&keys)[Count], const Record& record,
                     const std::string& prefix = "") {
    using Key = RecordKey<Record>;
    for (const Key& row : keys) {
        const std::string name = prefix + row.name;
        const Key key{name.c_str(), row.field, row.shape};
        std::visit(record_keys_detail::Overloaded{
                       [&](int Record::*field) { node.setInt(key.name, record.*field); },
                       [&](bool Record::*field) { node.setBool(key.name, record.*field); },
                       [&](float Record::*field) { node.setFloat(key.name, record.*field); },
                       [&](std::string Record::*field) {
                           if (key.shape == Key::TextChild)
                               node.setText(key.name, record.*field);
                           else
                               node.setString(key.name, record.*field, key.shape == Key::Attribute);
                       },
                       [&](const typename Key::ByHand& hand) { hand.write(node, key.name, record); }},
                   key.field);
    }
}

// Reads each key of the table on its own, in its order: a missing or malformed key leaves its
// member as it was and the next key is read.
template <typename Record, size_t Count>
void readRecordKeys(const PersistentObject& node, const RecordKey<Record> (&keys)[Count], Record& record,
                    const std::string& prefix = "") {
    using Key = RecordKey<Record>;
    for (const Key& row : keys) {
        const std::string name = prefix + row.name;
        const Key key{name.c_str(), row.field, row.shape};
        readGuarded([&] {
            std::visit(record_keys_detail::Overloaded{
                           [&](int Record::*field) { record.*field = node.getInt(key.name); },
                           [&](bool Record::*field) { record.*field = node.getBool(key.name); },
                           [&](float Record::*field) { record.*field = node.getFloat(key.name); },
                           [&](std::string Record::*field) { record.*field = node.getString(key.name); },
                           [&](const typename Key::ByHand& hand) { hand.read(node, key.name, record); }},
                       key.field);
        });
    }
}
