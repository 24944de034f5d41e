#include "CompanionNames.h"

namespace {

std::string replaceEnding(const std::string& name, size_t count, const char* ending) {
    if (name.size() < count) return "";
    return name.substr(0, name.size() - count) + ending;
}

}  // namespace

std::string pngCompanionName(const std::string& name) {
    if (name.empty()) return "";
    return replaceEnding(name, 1, "png");
}

std::string polCompanionName(const std::string& name) { return replaceEnding(name, 3, "pol"); }

std::string ddsCompanionName(const std::string& name) { return replaceEnding(name, 3, "dds"); }

std::string fontsDdsCompanionName(const std::string& name) {
    if (name.empty()) return "";
    const size_t separator = name.find_last_of("\\/");
    if (separator == std::string::npos) return "fonts.dds";
    return name.substr(0, separator + 1) + "fonts.dds";
}
