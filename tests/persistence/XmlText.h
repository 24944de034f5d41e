// Builds a document from XML text, the way a hand-edited game file would be read.
#pragma once

#include <string>

#include "persistence/PersistentObject.h"
#include "tests/persistence/ScratchFolder.h"

inline PersistentObject loadXmlText(const std::string& xml) {
    ScratchFolder folder;
    folder.write("doc.xml", xml);
    PersistentObject document;
    document.load(folder.file("doc.xml"));
    return document;
}
