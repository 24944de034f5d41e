#include "persistence/XmlFileIO.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <xercesc/dom/DOMConfiguration.hpp>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/dom/DOMException.hpp>
#include <xercesc/dom/DOMImplementation.hpp>
#include <xercesc/dom/DOMLSOutput.hpp>
#include <xercesc/dom/DOMLSSerializer.hpp>
#include <xercesc/framework/MemBufFormatTarget.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include "persistence/SafeFile.h"
#include "persistence/XMLFileException.h"
#include "persistence/XercesUtils.h"

namespace {

// Entity expansions a save file may use before it counts as hostile.
constexpr XMLSize_t EntityExpansionLimit = 10000;
// Elements within elements a game file may have; the deepest the game writes is a handful.
constexpr int MaxElementDepth = 256;

template <typename T>
struct Releaser {
    void operator()(T* object) const { object->release(); }
};
template <typename T>
using Released = std::unique_ptr<T, Releaser<T>>;

[[noreturn]] void failWith(const std::string& action, const std::string& displayPath, const XMLCh* message) {
    std::string text = XercesUtils::toChar(message);
    throw XMLFileException("Could not " + action + " " + displayPath + ": " +
                           (text.empty() ? std::string("XML library error") : text));
}

bool isBlank(const XMLCh* text) {
    for (; text && *text; ++text)
        if (*text != u' ' && *text != u'\t' && *text != u'\n' && *text != u'\r') return false;
    return true;
}

// The line breaks and indentation between elements come back as text nodes. Left in place,
// every save would indent them again and files would grow with each save. The walk keeps its
// own stack, and a document nested deeper than any game file is refused here, before the
// readers and the serializer (which recurse) ever see it.
void dropFormattingWhitespace(xercesc::DOMElement* root, const std::string& displayPath) {
    std::vector<std::pair<xercesc::DOMNode*, int>> pending{{root, 1}};
    while (!pending.empty()) {
        auto [node, depth] = pending.back();
        pending.pop_back();
        if (depth > MaxElementDepth)
            throw XMLFileException("Could not read " + displayPath + ": the file is nested too deeply (more than " +
                                   std::to_string(MaxElementDepth) + " levels)");
        bool hasElements = false;
        for (xercesc::DOMNode* c = node->getFirstChild(); c; c = c->getNextSibling())
            hasElements = hasElements || c->getNodeType() == xercesc::DOMNode::ELEMENT_NODE;
        for (xercesc::DOMNode* c = node->getFirstChild(); c;) {
            xercesc::DOMNode* next = c->getNextSibling();
            if (c->getNodeType() == xercesc::DOMNode::ELEMENT_NODE) {
                pending.emplace_back(c, depth + 1);
            } else if (hasElements && c->getNodeType() == xercesc::DOMNode::TEXT_NODE && isBlank(c->getNodeValue())) {
                node->removeChild(c)->release();
            }
            c = next;
        }
    }
}

}  // namespace

xercesc::DOMDocument* loadXmlDocument(const std::string& hostFile, const std::string& displayPath) {
    std::string bytes = readWholeFile(hostFile, displayPath);
    XercesUtils& utils = XercesUtils::instance();

    xercesc::XercesDOMParser parser;
    parser.setErrorHandler(&utils);
    parser.setValidationScheme(xercesc::XercesDOMParser::Val_Never);
    // A game file never needs outside documents: nothing named in it is fetched or opened.
    parser.setLoadExternalDTD(false);
    parser.setDisableDefaultEntityResolution(true);
    xercesc::SecurityManager limits;
    limits.setEntityExpansionLimit(EntityExpansionLimit);
    parser.setSecurityManager(&limits);

    std::u16string systemId = XercesUtils::toXMLCh(displayPath);
    xercesc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(),
                                      systemId.c_str());
    try {
        parser.parse(source);
    } catch (const xercesc::XMLException& e) {
        failWith("read", displayPath, e.getMessage());
    } catch (const xercesc::DOMException& e) {
        failWith("read", displayPath, e.getMessage());
    } catch (const xercesc::OutOfMemoryException&) {
        throw XMLFileException("Could not read " + displayPath + ": out of memory");
    }
    Released<xercesc::DOMDocument> document(parser.adoptDocument());
    if (!document || !document->getDocumentElement())
        throw XMLFileException("Could not read " + displayPath + ": the file holds no root element");
    dropFormattingWhitespace(document->getDocumentElement(), displayPath);
    return document.release();
}

void saveXmlDocument(const xercesc::DOMDocument* document, const std::string& hostFile,
                     const std::string& displayPath) {
    XercesUtils& utils = XercesUtils::instance();
    xercesc::MemBufFormatTarget target;
    utils.takeSerializerError();
    bool written = false;
    try {
        xercesc::DOMImplementation* implementation = utils.getImplementation();
        Released<xercesc::DOMLSSerializer> serializer(implementation->createLSSerializer());
        Released<xercesc::DOMLSOutput> output(implementation->createLSOutput());
        xercesc::DOMConfiguration* config = serializer->getDomConfig();
        config->setParameter(xercesc::XMLUni::fgDOMWRTFormatPrettyPrint, true);
        config->setParameter(xercesc::XMLUni::fgDOMErrorHandler, static_cast<xercesc::DOMErrorHandler*>(&utils));
        output->setByteStream(&target);
        // Always UTF-8, whatever encoding the loaded file declared: a file saved in an
        // encoding the parser cannot read back would be lost.
        output->setEncoding(u"UTF-8");
        written = serializer->write(document, output.get());
    } catch (const xercesc::XMLException& e) {
        utils.takeSerializerError();
        failWith("save", displayPath, e.getMessage());
    } catch (const xercesc::DOMException& e) {
        utils.takeSerializerError();
        failWith("save", displayPath, e.getMessage());
    } catch (const xercesc::OutOfMemoryException&) {
        utils.takeSerializerError();
        throw XMLFileException("Could not save " + displayPath + ": out of memory");
    }
    std::string reported = utils.takeSerializerError();
    if (!reported.empty()) throw XMLFileException("Could not save " + displayPath + ": " + reported);
    if (!written) throw XMLFileException("Could not save " + displayPath + ": the document could not be written");

    std::string bytes(reinterpret_cast<const char*>(target.getRawBuffer()), target.getLen());
    replaceWholeFile(hostFile, bytes, displayPath);
}
