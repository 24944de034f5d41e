#include "persistence/XercesUtils.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include <xercesc/dom/DOMError.hpp>
#include <xercesc/dom/DOMImplementationRegistry.hpp>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLString.hpp>

#include "persistence/Latin1Text.h"
#include "persistence/XMLFileException.h"

XercesUtils& XercesUtils::instance() {
    static XercesUtils utils;
    return utils;
}

XercesUtils::XercesUtils() {
    // The library stays initialised until the process ends: documents may be released late.
    xercesc::XMLPlatformUtils::Initialize();
    implementation = xercesc::DOMImplementationRegistry::getDOMImplementation(u"Core");
}

XercesUtils::~XercesUtils() = default;

void XercesUtils::warning(const xercesc::SAXParseException& exc) {
    throwParseError("warning", exc);
}

void XercesUtils::error(const xercesc::SAXParseException& exc) {
    throwParseError("error", exc);
}

void XercesUtils::fatalError(const xercesc::SAXParseException& exc) {
    throwParseError("fatal error", exc);
}

void XercesUtils::resetErrors() {}

void XercesUtils::throwError(const XMLCh* message) {
    throw XMLFileException(toChar(message));
}

void XercesUtils::throwParseError(const char* kind, const xercesc::SAXParseException& exc) {
    std::string where = toChar(exc.getSystemId());
    throw XMLFileException(toChar(exc.getMessage()) + " (" + kind + " in " + where + ", line " +
                           std::to_string(exc.getLineNumber()) + ", column " +
                           std::to_string(exc.getColumnNumber()) + ")");
}

bool XercesUtils::handleError(const xercesc::DOMError& domError) {
    if (serializerError.empty()) {
        serializerError = toChar(domError.getMessage());
        if (serializerError.empty()) serializerError = "unknown serializer error";
    }
    return false;
}

std::string XercesUtils::takeSerializerError() {
    std::string message;
    message.swap(serializerError);
    return message;
}

std::u16string XercesUtils::toXMLCh(const std::string& text) {
    return latin1ToXml(text);
}

std::string XercesUtils::toChar(const XMLCh* text) {
    return xmlToLatin1(text);
}

std::string XercesUtils::format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), fmt, args);
        result.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

xercesc::DOMNode* XercesUtils::findSiblingByName(const XMLCh* name, xercesc::DOMNode* start) {
    for (xercesc::DOMNode* node = start; node; node = node->getNextSibling()) {
        if (xercesc::XMLString::equals(node->getNodeName(), name)) return node;
    }
    return nullptr;
}

xercesc::DOMNode* XercesUtils::findSiblingByName(const std::string& name, xercesc::DOMNode* start) {
    std::u16string xmlName = toXMLCh(name);
    return findSiblingByName(xmlName.c_str(), start);
}
