#include "script/ScriptList.h"

#include "persistence/AttributeException.h"
#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"

ScriptList::ScriptList(const PersistentObject& element, const std::string& tag) {
    for (const PersistentObject& child : element.getChildren(tag)) {
        try {
            names.push_back(child.getString("script"));
        } catch (const AttributeException&) {
            // A child naming no script is left out.
        }
    }
    cursor = names.size();
}

const std::string& ScriptList::getScript() {
    static const std::string none;
    if (names.empty()) return none;
    if (cursor >= names.size()) {
        crt::randomShuffle(names.begin(), names.end());
        cursor = 0;
    }
    return names[cursor++];
}
