// Whole XML files to and from DOM documents. Files are read and written by the game itself
// (not by the XML library), so paths need no conversion and a save can replace the old file
// only once the new one is safely on disk.
#pragma once

#include <string>

#include <xercesc/util/XercesDefs.hpp>

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
XERCES_CPP_NAMESPACE_END

// Parses the file at hostFile. The caller owns the returned document (release()).
// Any warning, error or unreadable file raises XMLFileException naming displayPath.
xercesc::DOMDocument* loadXmlDocument(const std::string& hostFile, const std::string& displayPath);

// Writes the document pretty-printed to hostFile through a temporary file beside it.
// On any failure the old file is untouched and XMLFileException names displayPath.
void saveXmlDocument(const xercesc::DOMDocument* document, const std::string& hostFile,
                     const std::string& displayPath);
