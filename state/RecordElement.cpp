#include "state/RecordElement.h"

#include <utility>

#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"

namespace Tavek {

RecordElement::RecordElement() = default;

RecordElement::RecordElement(std::string tag, PersistentObject* parent)
    : tag_(std::move(tag)), parent_(parent), node_(std::make_unique<PersistentObject>()) {}

RecordElement::~RecordElement() = default;

void RecordElement::bindNew() {
    if (node_) *node_ = PersistentObject(tag_, parent_);
}

void RecordElement::bindExisting() {
    if (!node_) return;
    if (!parent_) throw ElementNotFoundException(tag_);
    *node_ = parent_->getChild(tag_, "", "");
}

}  // namespace Tavek
