// A save or data file: loaded, every key of every element read the way the game reads keys,
// saved and loaded again. What the game reads must be the same both times.
#include <algorithm>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/dom/DOMNode.hpp>

#include "fuzz_check.h"
#include "persistence/AttributeException.h"
#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "persistence/XercesUtils.h"
#include "scratch_file.h"

namespace {

template <typename Read>
std::string attempt(Read read) {
    try {
        return read();
    } catch (const AttributeException& e) {
        return "error: " + e.getMessage();
    } catch (const std::exception& e) {
        return std::string("error: ") + e.what();
    }
}

bool isBlank(const XMLCh* text) {
    for (; text && *text; ++text)
        if (*text != u' ' && *text != u'\t' && *text != u'\n' && *text != u'\r') return false;
    return true;
}

// Text between child elements, which the game never writes: saving indents it afresh, so a
// reading that takes in such an element (anywhere below the key) is left out of the comparison.
bool holdsMixedContent(const xercesc::DOMElement* top) {
    std::vector<const xercesc::DOMNode*> pending{top};
    while (!pending.empty()) {
        const xercesc::DOMNode* element = pending.back();
        pending.pop_back();
        bool text = false, elements = false;
        for (const xercesc::DOMNode* c = element->getFirstChild(); c; c = c->getNextSibling()) {
            if (c->getNodeType() == xercesc::DOMNode::ELEMENT_NODE) {
                elements = true;
                pending.push_back(c);
            } else {
                text = text || !isBlank(c->getNodeValue());
            }
        }
        if (text && elements) return true;
    }
    return false;
}

// Every key of every element, in document order, as the typed reads give it.
std::vector<std::string> readEverything(const PersistentObject& root) {
    std::vector<std::string> seen;
    int typedReads = 0;
    std::vector<xercesc::DOMElement*> pending{root.getElement()};
    while (!pending.empty()) {
        xercesc::DOMElement* element = pending.back();
        pending.pop_back();
        PersistentObject view(element);
        std::vector<std::string> keys;
        std::vector<std::string> mixedKeys;
        if (xercesc::DOMNamedNodeMap* attributes = element->getAttributes())
            for (XMLSize_t i = 0; i < attributes->getLength(); ++i)
                keys.push_back(XercesUtils::toChar(attributes->item(i)->getNodeName()));
        std::vector<xercesc::DOMElement*> children;
        for (xercesc::DOMNode* c = element->getFirstChild(); c; c = c->getNextSibling()) {
            if (c->getNodeType() != xercesc::DOMNode::ELEMENT_NODE) continue;
            auto* child = static_cast<xercesc::DOMElement*>(c);
            children.push_back(child);
            std::string key = XercesUtils::toChar(c->getNodeName());
            if (holdsMixedContent(child) && !element->hasAttribute(c->getNodeName())) mixedKeys.push_back(key);
            keys.push_back(key);
        }
        seen.push_back("<" + view.getTagName());
        for (const std::string& key : keys) {
            if (std::find(mixedKeys.begin(), mixedKeys.end(), key) != mixedKeys.end()) {
                seen.push_back(key + " holds mixed content");
                continue;
            }
            seen.push_back(key + " = " + attempt([&] { return view.getString(key); }));
            seen.push_back(attempt([&] { return std::to_string(view.getChildren(key).size()); }));
            // The typed reads of the first keys (each failed read throws, which is slow).
            if (++typedReads > 50) continue;
            seen.push_back(attempt([&] { return std::to_string(view.getInt(key)); }));
            seen.push_back(attempt([&] { return PersistentObject::formatFloat(view.getFloat(key)); }));
            seen.push_back(attempt([&] { return std::string(view.getBool(key) ? "True" : "False"); }));
        }
        for (auto c = children.rbegin(); c != children.rend(); ++c) pending.push_back(*c);
    }
    return seen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::lastOutcome = fuzzcheck::Outcome::Refused;
    const std::string input = fuzzcheck::writeScratch("input.xml", data, size);
    PersistentObject first;
    try {
        first.load(input);
    } catch (const XMLFileException& e) {
        fuzzcheck::require(e.getMessage().find(input) != std::string::npos, "a load error not naming the file");
        return 0;
    }
    fuzzcheck::lastOutcome = fuzzcheck::Outcome::Read;
    const std::vector<std::string> before = readEverything(first);
    const std::string copy = fuzzcheck::scratchPath("saved.xml");
    try {
        first.save(copy);
    } catch (const XMLFileException& e) {
        fuzzcheck::require(e.getMessage().find(copy) != std::string::npos, "a save error not naming the file");
        return 0;
    }
    PersistentObject second;
    try {
        second.load(copy);
    } catch (const XMLFileException&) {
        fuzzcheck::fail("a file the game saved does not load again");
    }
    fuzzcheck::require(readEverything(second) == before, "a saved file reads differently after loading it again");
    return 0;
}
