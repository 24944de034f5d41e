#include "persistence/PersistentObject.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMException.hpp>
#include <xercesc/dom/DOMImplementation.hpp>
#include <xercesc/dom/DOMText.hpp>
#include <xercesc/util/XMLString.hpp>

#include "persistence/AttributeFormatException.h"
#include "persistence/AttributeNotFoundException.h"
#include "persistence/ElementNotFoundException.h"
#include "persistence/XMLFileException.h"
#include "persistence/XercesUtils.h"
#include "persistence/XmlFileIO.h"
#include "platform/win32/crt.h"
#include "platform/win32/hostpath.h"

using xercesc::DOMElement;
using xercesc::DOMNode;

namespace {

const XMLCh ValueName[] = u"value";
const XMLCh TrueText[] = u"True";
const XMLCh FalseText[] = u"False";

bool sameText(const XMLCh* a, const XMLCh* b) {
    return xercesc::XMLString::equals(a ? a : u"", b ? b : u"");
}

DOMElement* asElement(DOMNode* node) {
    return node && node->getNodeType() == DOMNode::ELEMENT_NODE ? static_cast<DOMElement*>(node) : nullptr;
}

// Names come from the game's code; a name the XML library refuses is a programming error.
[[noreturn]] void badName(const std::string& name, const xercesc::DOMException& e) {
    throw std::invalid_argument("Cannot write XML key '" + name + "': " + XercesUtils::toChar(e.getMessage()));
}

}  // namespace

// The document stores a pointer back to its holder, so a view made from a bare element of it
// (a child found by walking the tree) shares it too.
struct PersistentObject::Document : std::enable_shared_from_this<Document> {
    explicit Document(xercesc::DOMDocument* dom) : dom(dom) { dom->setUserData(HolderKey, this, nullptr); }
    ~Document() { dom->release(); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    static constexpr XMLCh HolderKey[] = u"brennock-document-holder";
    xercesc::DOMDocument* const dom;
};

std::shared_ptr<PersistentObject::Document> PersistentObject::holderOf(xercesc::DOMDocument* dom) {
    if (!dom) return nullptr;
    auto* holder = static_cast<Document*>(dom->getUserData(Document::HolderKey));
    return holder ? holder->shared_from_this() : nullptr;
}

PersistentObject::PersistentObject() = default;

PersistentObject::PersistentObject(DOMElement* element)
    : document(holderOf(element ? element->getOwnerDocument() : nullptr)), element(element), borrowed(true) {}

PersistentObject::PersistentObject(std::shared_ptr<Document> document, DOMElement* element)
    : document(std::move(document)), element(element), borrowed(true) {}

PersistentObject::PersistentObject(const std::string& tag, DOMElement* parent) {
    create(tag, parent);
}

PersistentObject::PersistentObject(const std::string& tag, PersistentObject* parent) {
    if (parent && !parent->getElement())
        throw std::logic_error("Cannot create element " + tag + " under an empty XML object");
    create(tag, parent ? parent->getElement() : nullptr);
}

PersistentObject::PersistentObject(const std::string& tag, std::nullptr_t) {
    create(tag, nullptr);
}

PersistentObject::PersistentObject(const PersistentObject& other)
    : document(other.document), element(other.element), borrowed(true) {}

PersistentObject& PersistentObject::operator=(const PersistentObject& other) {
    if (this != &other) {
        // An owner given a view of its own document stays its owner.
        if (other.document != document) {
            document = other.document;
            borrowed = true;
        }
        element = other.element;
    }
    return *this;
}

PersistentObject::PersistentObject(PersistentObject&& other) noexcept
    : document(std::move(other.document)), element(other.element), borrowed(other.borrowed) {
    other.document.reset();
    other.element = nullptr;
    other.borrowed = false;
}

PersistentObject& PersistentObject::operator=(PersistentObject&& other) noexcept {
    if (this != &other) {
        const bool keepOwnership = other.document == document && isOwner();
        document = std::move(other.document);
        element = other.element;
        borrowed = keepOwnership ? false : other.borrowed;
        other.document.reset();
        other.element = nullptr;
        other.borrowed = false;
    }
    return *this;
}

PersistentObject::~PersistentObject() = default;

void PersistentObject::release() {
    document.reset();
    element = nullptr;
}

DOMElement* PersistentObject::requireElement(const char* operation) const {
    if (!element) throw std::logic_error(std::string("XML object has no element to ") + operation);
    return element;
}

xercesc::DOMElement* PersistentObject::getElement() const {
    return element;
}

xercesc::DOMDocument* PersistentObject::getDocument() const {
    if (document) return document->dom;
    return element ? element->getOwnerDocument() : nullptr;
}

std::string PersistentObject::getString(const std::string& name) const {
    const XMLCh* value = getValue(name.c_str());
    if (!value) throw AttributeNotFoundException(name);
    return XercesUtils::toChar(value);
}

int PersistentObject::getInt(const std::string& name) const {
    return parseInt(name, getString(name));
}

float PersistentObject::getFloat(const std::string& name) const {
    return parseFloat(name, getString(name));
}

bool PersistentObject::getBool(const std::string& name) const {
    const XMLCh* value = getValue(name.c_str());
    if (!value) throw AttributeNotFoundException(name);
    if (xercesc::XMLString::equals(value, TrueText)) return true;
    if (xercesc::XMLString::equals(value, FalseText)) return false;
    throw AttributeFormatException(name, XercesUtils::toChar(value), "bool");
}

PersistentObject PersistentObject::getChild(const std::string& tag, const std::string& attrName,
                                            const std::string& attrValue) const {
    std::vector<PersistentObject> found = findChildren(tag, attrName, attrValue, true);
    if (found.empty()) throw ElementNotFoundException(tag);
    return found.front();
}

std::vector<PersistentObject> PersistentObject::getChildren(const std::string& tag, const std::string& attrName,
                                                            const std::string& attrValue) const {
    return findChildren(tag, attrName, attrValue, false);
}

void PersistentObject::removeChildren() {
    if (!element) return;
    while (DOMNode* child = element->getFirstChild()) element->removeChild(child);
}

void PersistentObject::setText(const std::string& name, const std::string& text, bool replace) {
    DOMElement* target = requireElement("write to");
    std::u16string key = XercesUtils::toXMLCh(name);
    if (replace) removeValue(key.c_str());
    try {
        xercesc::DOMDocument* owner = target->getOwnerDocument();
        DOMElement* child = owner->createElement(key.c_str());
        child->appendChild(owner->createTextNode(XercesUtils::toXMLCh(text).c_str()));
        target->appendChild(child);
    } catch (const xercesc::DOMException& e) {
        badName(name, e);
    }
}

void PersistentObject::setValue(const std::string& name, const XMLCh* value, bool asAttribute, bool replace) {
    DOMElement* target = requireElement("write to");
    std::u16string key = XercesUtils::toXMLCh(name);
    try {
        if (asAttribute) {
            target->setAttribute(key.c_str(), value ? value : u"");
            return;
        }
        if (replace) removeValue(key.c_str());
        DOMElement* child = target->getOwnerDocument()->createElement(key.c_str());
        child->setAttribute(ValueName, value ? value : u"");
        target->appendChild(child);
    } catch (const xercesc::DOMException& e) {
        badName(name, e);
    }
}

void PersistentObject::setString(const std::string& name, const std::string& value, bool asAttribute,
                                 bool replace) {
    setValue(name, XercesUtils::toXMLCh(value).c_str(), asAttribute, replace);
}

void PersistentObject::setInt(const std::string& name, int value, bool asAttribute, bool replace) {
    setValue(name, XercesUtils::toXMLCh(formatInt(value)).c_str(), asAttribute, replace);
}

void PersistentObject::setFloat(const std::string& name, float value, bool asAttribute, bool replace) {
    setValue(name, XercesUtils::toXMLCh(formatFloat(value)).c_str(), asAttribute, replace);
}

void PersistentObject::setBool(const std::string& name, bool value, bool asAttribute, bool replace) {
    setValue(name, value ? TrueText : FalseText, asAttribute, replace);
}

void PersistentObject::removeValue(const XMLCh* name, const XMLCh* value) {
    if (!element || !name) return;
    if (const xercesc::DOMAttr* attribute = element->getAttributeNode(name)) {
        if (!value || sameText(attribute->getValue(), value)) element->removeAttribute(name);
    }
    DOMNode* node = XercesUtils::findSiblingByName(name, element->getFirstChild());
    while (node) {
        DOMNode* next = XercesUtils::findSiblingByName(name, node->getNextSibling());
        bool matches = !value;
        if (!matches) {
            DOMElement* child = asElement(node);
            matches = sameText(child ? child->getAttribute(ValueName) : nullptr, value);
        }
        // Removed nodes stay with the document until it is released, so a view of one stays valid.
        if (matches) element->removeChild(node);
        node = next;
    }
}

void PersistentObject::removeChild(const PersistentObject& child) {
    if (!element || !child.element) return;
    for (DOMNode* node = element->getFirstChild(); node; node = node->getNextSibling()) {
        if (node == child.element) {
            element->removeChild(node);
            return;
        }
    }
}

void PersistentObject::removeValue(const std::string& name, const std::optional<std::string>& value) {
    std::u16string key = XercesUtils::toXMLCh(name);
    if (value) {
        std::u16string text = XercesUtils::toXMLCh(*value);
        removeValue(key.c_str(), text.c_str());
    } else {
        removeValue(key.c_str(), nullptr);
    }
}

void PersistentObject::save(const std::string& path) const {
    const xercesc::DOMDocument* dom = getDocument();
    if (!dom) throw XMLFileException("Could not save " + path + ": there is no document to write");
    // Messages name the file as the player's system writes it.
    const std::string file = hostPath(path);
    saveXmlDocument(dom, file, file);
}

void PersistentObject::load(const std::string& path) {
    close();
    borrowed = false;
    const std::string file = hostPath(path);
    document = std::make_shared<Document>(loadXmlDocument(file, file));
    element = document->dom->getDocumentElement();
}

void PersistentObject::create(const std::string& tag, DOMElement* parent) {
    std::u16string name = XercesUtils::toXMLCh(tag);
    try {
        if (!parent) {
            auto made = std::make_shared<Document>(
                XercesUtils::instance().getImplementation()->createDocument(nullptr, name.c_str(), nullptr));
            made->dom->setXmlVersion(u"1.0");
            document = std::move(made);
            element = document->dom->getDocumentElement();
            borrowed = false;
            return;
        }
        xercesc::DOMDocument* owner = parent->getOwnerDocument();
        DOMElement* made = owner->createElement(name.c_str());
        parent->appendChild(made);
        // An owner that adds a child to its own document keeps owning it; anything else held is let go.
        if (getDocument() != owner || !document) {
            document = holderOf(owner);
            borrowed = true;
        }
        element = made;
    } catch (const xercesc::DOMException& e) {
        badName(tag, e);
    }
}

void PersistentObject::close() {
    release();
}

std::optional<std::string> PersistentObject::getText(const char* name) const {
    const XMLCh* value = getValue(name);
    if (!value) return std::nullopt;
    return XercesUtils::toChar(value);
}

const XMLCh* PersistentObject::getValue(const char* name) const {
    if (!element || !name) return nullptr;
    std::u16string key = XercesUtils::toXMLCh(name);
    if (const xercesc::DOMAttr* attribute = element->getAttributeNode(key.c_str())) return attribute->getValue();
    for (DOMNode* node = XercesUtils::findSiblingByName(key.c_str(), element->getFirstChild()); node;
         node = XercesUtils::findSiblingByName(key.c_str(), node->getNextSibling())) {
        DOMElement* child = asElement(node);
        if (!child) continue;
        if (const xercesc::DOMAttr* attribute = child->getAttributeNode(ValueName)) return attribute->getValue();
        const XMLCh* text = child->getTextContent();
        return text ? text : u"";
    }
    return nullptr;
}

std::vector<PersistentObject> PersistentObject::findChildren(const std::string& tag, const std::string& attrName,
                                                             const std::string& attrValue, bool firstOnly) const {
    std::vector<PersistentObject> found;
    if (!element) return found;
    std::u16string name = XercesUtils::toXMLCh(tag);
    std::u16string filterName = XercesUtils::toXMLCh(attrName);
    std::u16string filterValue = XercesUtils::toXMLCh(attrValue);
    for (DOMNode* node = XercesUtils::findSiblingByName(name.c_str(), element->getFirstChild()); node;
         node = XercesUtils::findSiblingByName(name.c_str(), node->getNextSibling())) {
        DOMElement* child = asElement(node);
        if (!child) continue;
        if (!attrName.empty()) {
            const xercesc::DOMAttr* attribute = child->getAttributeNode(filterName.c_str());
            if (!attribute || !sameText(attribute->getValue(), filterValue.c_str())) continue;
        }
        found.push_back(PersistentObject(document, child));
        if (firstOnly) break;
    }
    return found;
}

std::string PersistentObject::getTagName() const {
    return element ? XercesUtils::toChar(element->getTagName()) : std::string();
}

std::string PersistentObject::getValueAttribute(const DOMElement* element) {
    return element ? XercesUtils::toChar(element->getAttribute(ValueName)) : std::string();
}

int PersistentObject::parseInt(const std::string& name, const std::string& text) {
    // Leading blanks and a sign are read; digits may be followed by anything, which is ignored.
    const char* start = text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        throw AttributeFormatException(name, text, "%d");
    return static_cast<int>(value);
}

float PersistentObject::parseFloat(const std::string& name, const std::string& text) {
    // "0x" and one to eight hexadecimal digits: the float's bit pattern.
    if (text.size() > 2 && text[0] == '0' && text[1] == 'x' && std::isxdigit(static_cast<unsigned char>(text[2]))) {
        uint32_t bits = 0;
        for (size_t i = 2; i < text.size() && i < 10 && std::isxdigit(static_cast<unsigned char>(text[i])); ++i) {
            char c = text[i];
            uint32_t digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
            bits = bits << 4 | digit;
        }
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    // Otherwise plain decimal; a value too large for a float is as unreadable as letters.
    float value = 0.0f;
    if (!crt::scanFloat(text, &value) || !std::isfinite(value)) throw AttributeFormatException(name, text, "%f");
    return value;
}

std::string PersistentObject::formatInt(int value) {
    return XercesUtils::format("%d", value);
}

std::string PersistentObject::formatFloat(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return XercesUtils::format("0x%08X", static_cast<unsigned>(bits));
}
