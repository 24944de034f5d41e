// One element of an XML document in memory, with typed access to its keys.
//
// A key K of the current element is, in this order of precedence: an attribute K; the
// "value" attribute of the first child element K; or the text of that child. Integers are
// decimal, floats are "0x%08X" of their bit pattern (decimal text is read too), booleans
// are "True"/"False".
//
// An object is empty, an owner (it made or loaded the document), or a view into a document
// that another object owns. Copying always gives a view; moving hands ownership over. The owner
// and its views share the document: it is released when the last of them lets go, so a view
// kept after its owner was closed, reloaded or destroyed still reads what the document held.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
class DOMElement;
XERCES_CPP_NAMESPACE_END

class PersistentObject {
public:
    PersistentObject();
    // A view of an existing element; it shares the document when a PersistentObject made it.
    explicit PersistentObject(xercesc::DOMElement* element);
    // A new element tag: the root of a new document without a parent, else the parent's last child.
    PersistentObject(const std::string& tag, xercesc::DOMElement* parent);
    PersistentObject(const std::string& tag, PersistentObject* parent);
    explicit PersistentObject(const std::string& tag, std::nullptr_t = nullptr);

    PersistentObject(const PersistentObject& other);
    PersistentObject& operator=(const PersistentObject& other);
    PersistentObject(PersistentObject&& other) noexcept;
    PersistentObject& operator=(PersistentObject&& other) noexcept;
    virtual ~PersistentObject();

    virtual xercesc::DOMElement* getElement() const;
    virtual xercesc::DOMDocument* getDocument() const;

    // Typed reads: AttributeNotFoundException when absent, AttributeFormatException when the
    // text does not read as the type.
    virtual std::string getString(const std::string& name) const;
    virtual int getInt(const std::string& name) const;
    virtual float getFloat(const std::string& name) const;
    virtual bool getBool(const std::string& name) const;

    // Child elements named tag; with attrName set, only those whose attribute attrName equals attrValue.
    virtual PersistentObject getChild(const std::string& tag, const std::string& attrName = "",
                                      const std::string& attrValue = "") const;
    virtual std::vector<PersistentObject> getChildren(const std::string& tag, const std::string& attrName = "",
                                                      const std::string& attrValue = "") const;
    virtual void removeChildren();

    // Writes. Child shape and replace are what every saved file uses for numbers.
    virtual void setText(const std::string& name, const std::string& text, bool replace = true);
    virtual void setValue(const std::string& name, const XMLCh* value, bool asAttribute = false, bool replace = true);
    virtual void setString(const std::string& name, const std::string& value, bool asAttribute = false,
                           bool replace = true);
    virtual void setInt(const std::string& name, int value, bool asAttribute = false, bool replace = true);
    virtual void setFloat(const std::string& name, float value, bool asAttribute = false, bool replace = true);
    virtual void setBool(const std::string& name, bool value, bool asAttribute = false, bool replace = true);

    // Removes attribute name and every child named name; with a value, only those holding it.
    virtual void removeValue(const XMLCh* name, const XMLCh* value = nullptr);
    virtual void removeChild(const PersistentObject& child);
    virtual void removeValue(const std::string& name, const std::optional<std::string>& value = std::nullopt);

    // Writes the whole document, whatever element this object stands on. The old file is
    // replaced only after the new one is complete; failures raise XMLFileException.
    virtual void save(const std::string& path) const;
    // Replaces what the object held with the document at path and becomes its owner.
    // Failures raise XMLFileException and leave the object empty.
    virtual void load(const std::string& path);
    virtual void create(const std::string& tag, xercesc::DOMElement* parent);
    virtual void close();

    // The key's text, or nothing when absent.
    virtual std::optional<std::string> getText(const char* name) const;
    // The key's value as the document holds it (valid while the document is unchanged), or null.
    virtual const XMLCh* getValue(const char* name) const;
    virtual std::vector<PersistentObject> findChildren(const std::string& tag, const std::string& attrName,
                                                       const std::string& attrValue, bool firstOnly) const;

    bool isOwner() const { return document && !borrowed; }
    std::string getTagName() const;
    static std::string getValueAttribute(const xercesc::DOMElement* element);

    // The number conventions of every saved file.
    static int parseInt(const std::string& name, const std::string& text);
    static float parseFloat(const std::string& name, const std::string& text);
    static std::string formatInt(int value);
    static std::string formatFloat(float value);

private:
    // A parsed or made document, released when the last object holding it goes.
    struct Document;
    static std::shared_ptr<Document> holderOf(xercesc::DOMDocument* dom);
    PersistentObject(std::shared_ptr<Document> document, xercesc::DOMElement* element);
    xercesc::DOMElement* requireElement(const char* operation) const;
    void release();

    std::shared_ptr<Document> document;
    xercesc::DOMElement* element = nullptr;
    bool borrowed = false;
};
