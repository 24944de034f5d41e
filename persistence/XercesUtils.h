// The one link between the game and the XML library: it starts the library, converts the
// game's single-byte text to and from XML strings, and turns the library's error reports
// into exceptions.
#pragma once

#include <string>

#include <xercesc/dom/DOMErrorHandler.hpp>
#include <xercesc/sax/ErrorHandler.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class DOMImplementation;
class DOMNode;
class SAXParseException;
XERCES_CPP_NAMESPACE_END

class XercesUtils : public xercesc::ErrorHandler, public xercesc::DOMErrorHandler {
public:
    // The process-wide instance, made on first use; making it starts the XML library.
    static XercesUtils& instance();

    XercesUtils(const XercesUtils&) = delete;
    XercesUtils& operator=(const XercesUtils&) = delete;
    ~XercesUtils() override;

    // Parser reports: each ends the parse with XMLFileException, warnings included.
    void warning(const xercesc::SAXParseException& exc) override;
    void error(const xercesc::SAXParseException& exc) override;
    void fatalError(const xercesc::SAXParseException& exc) override;
    void resetErrors() override;
    [[noreturn]] virtual void throwError(const XMLCh* message);

    // Serializer reports. Throwing from inside the serializer would leak it and its output,
    // so the first report is kept and the save raises it once the serializer is cleaned up.
    bool handleError(const xercesc::DOMError& domError) override;
    std::string takeSerializerError();

    // The "Core" DOM implementation that makes documents and serializers.
    xercesc::DOMImplementation* getImplementation() const { return implementation; }

    // Latin-1 conversions; the results are owned, so two conversions never alias.
    static std::u16string toXMLCh(const std::string& text);
    static std::string toChar(const XMLCh* text);
    static std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

    // The first node from start along its next siblings whose node name is name.
    static xercesc::DOMNode* findSiblingByName(const XMLCh* name, xercesc::DOMNode* start);
    static xercesc::DOMNode* findSiblingByName(const std::string& name, xercesc::DOMNode* start);

private:
    XercesUtils();
    [[noreturn]] void throwParseError(const char* kind, const xercesc::SAXParseException& exc);

    xercesc::DOMImplementation* implementation = nullptr;
    std::string serializerError;
};
