// Where a record keeps its keys: nowhere (a record held in memory only), or one element that is
// the root of a document of its own or a child named tag of a parent element. The element is a
// view that shares its document. The parent is borrowed from the record's owner, which outlives
// the record (a fighter's element outlives its championship, a championship's its tournament),
// and it is asked again on each re-read because its document may have been reloaded.
#pragma once

#include <memory>
#include <string>

class PersistentObject;

namespace Tavek {

class RecordElement {
public:
    // Held in memory only: get() is null and nothing is bound.
    RecordElement();
    // Bound to an element named tag under parent (a document of its own without one); the
    // element is made or found by bindNew or bindExisting.
    RecordElement(std::string tag, PersistentObject* parent);
    ~RecordElement();
    RecordElement(const RecordElement&) = delete;
    RecordElement& operator=(const RecordElement&) = delete;

    bool isPersistent() const { return node_ != nullptr; }
    // The element object; it stays at one address for the record's life, so a nested record
    // may take it as its parent. Null for a record held in memory only.
    PersistentObject* get() const { return node_.get(); }
    PersistentObject* getParent() const { return parent_; }
    const std::string& getTag() const { return tag_; }

    // Adds a new element named tag as the parent's last child (the root of a new document
    // without a parent) and binds to it.
    void bindNew();
    // Binds to the parent's first child named tag. ElementNotFoundException when there is none,
    // and the element held stays.
    void bindExisting();

private:
    std::string tag_;
    PersistentObject* parent_ = nullptr;
    std::unique_ptr<PersistentObject> node_;
};

}  // namespace Tavek
