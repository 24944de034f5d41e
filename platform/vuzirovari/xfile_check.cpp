#include "xfile_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vuz {

namespace {

// Names are copied into the importer's fixed 1024-byte strings.
constexpr size_t MaxNameLength = 1000;
// Texture coordinate and colour sets a mesh may have in the importer.
constexpr unsigned MaxCoordinateSets = 8;
// Fewest bytes the text can spend on one item of each list ("0;0;0;" for a vertex, ...).
constexpr uint64_t VertexBytes = 6;
constexpr uint64_t FaceBytes = 4;
constexpr uint64_t IndexBytes = 2;
constexpr uint64_t CoordinateBytes = 4;
constexpr uint64_t ColourBytes = 10;
constexpr uint64_t WeightBytes = 4;
constexpr uint64_t KeyBytes = 11;

struct Refusal {
    std::string reason;
};

[[noreturn]] void refuse(std::string reason) { throw Refusal{std::move(reason)}; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isDelimiter(char c) { return c == ';' || c == ',' || c == '{' || c == '}'; }

// Reads the text exactly as the importer tokenises it: blanks and comments ("//", "#" to the
// end of the line) between tokens, ";" "," "{" "}" as tokens of their own, numbers followed by
// a separator. Where the importer is lenient the check is stricter, never looser.
class XText {
public:
    XText(const char* begin, const char* end) : p_(begin), end_(end) {}

    void file() {
        for (;;) {
            std::string_view t = token();
            if (t.empty()) return;
            if (t == "template") {
                templateObject();
            } else if (t == "Frame") {
                frame(1);
            } else if (t == "Mesh") {
                mesh();
            } else if (t == "AnimTicksPerSecond") {
                head();
                number();
                closing();
            } else if (t == "AnimationSet") {
                animationSet();
            } else if (t == "Material") {
                material();
            } else if (t != "}") {
                unknownObject();
            }
        }
    }

private:
    const char* p_;
    const char* end_;

    char at(size_t k) const { return static_cast<size_t>(end_ - p_) > k ? p_[k] : '\0'; }
    uint64_t left() const { return static_cast<uint64_t>(end_ - p_); }

    void skipBlanks() {
        const char* c = p_;
        for (;;) {
            while (c < end_ && isBlank(*c)) ++c;
            if (c >= end_ || !(*c == '#' || (*c == '/' && c + 1 < end_ && c[1] == '/'))) break;
            while (c < end_ && *c != '\n' && *c != '\r') ++c;
            if (c < end_) ++c;
        }
        p_ = c;
    }

    std::string_view token() {
        skipBlanks();
        const char* start = p_;
        while (p_ < end_ && !isBlank(*p_)) {
            if (isDelimiter(*p_)) {
                if (p_ == start) ++p_;
                break;
            }
            ++p_;
        }
        return std::string_view(start, static_cast<size_t>(p_ - start));
    }

    std::string_view name() {
        std::string_view t = token();
        if (t.size() > MaxNameLength) refuse("a name longer than " + std::to_string(MaxNameLength) + " characters");
        return t;
    }

    // One delimiter as a token of its own (blanks and comments before it skipped).
    bool delimiter(char wanted) {
        skipBlanks();
        if (p_ >= end_ || *p_ != wanted) return false;
        ++p_;
        return true;
    }
    void closing() {
        if (!delimiter('}')) refuse("\"}\" expected");
    }
    void semicolon() {
        if (!delimiter(';')) refuse("\";\" expected");
    }
    void separator() {
        skipBlanks();
        if (p_ >= end_ || (*p_ != ';' && *p_ != ',')) refuse("\";\" or \",\" expected after a number");
        ++p_;
    }
    void maybeSeparator() {
        skipBlanks();
        if (p_ < end_ && (*p_ == ';' || *p_ == ',')) ++p_;
    }

    // An object's optional name and its opening brace.
    void head() {
        std::string_view t = name();
        if (t != "{" && token() != "{") refuse("\"{\" expected after an object's name");
    }

    // A whole number as the importer reads counts and indices (negative ones are refused).
    uint32_t number() {
        skipBlanks();
        const char* c = p_;
        if (c < end_ && *c == '-') refuse("a negative count or index");
        if (c >= end_ || !isDigit(*c)) refuse("a number expected");
        uint64_t value = 0;
        do {
            value = value * 10 + static_cast<uint64_t>(*c++ - '0');
        } while (c < end_ && isDigit(*c) && value <= UINT32_MAX);
        if (value > UINT32_MAX) refuse("a number too large for a count or index");
        p_ = c;
        separator();
        return static_cast<uint32_t>(value);
    }

    // A count of items that each take at least itemBytes of the text still to come.
    uint32_t count(uint64_t itemBytes, const char* what) {
        uint32_t n = number();
        if (n > left() / itemBytes)
            refuse("it declares " + std::to_string(n) + " " + what + " but only " + std::to_string(left()) +
                   " bytes follow");
        return n;
    }

    uint32_t index(uint32_t limit, const char* what) {
        uint32_t i = number();
        if (i >= limit) refuse(std::string(what) + " " + std::to_string(i) + " of " + std::to_string(limit));
        return i;
    }

    bool startsWith(const char* c, const char* text, bool anyCase) const {
        for (; *text; ++c, ++text) {
            if (c >= end_) return false;
            char a = *c;
            if (anyCase && a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
            if (a != *text) return false;
        }
        return true;
    }

    // Digits as the importer's decimal reader takes them; more than it can hold are refused.
    const char* digits(const char* c, size_t most) const {
        const char* start = c;
        while (c < end_ && isDigit(*c)) ++c;
        if (static_cast<size_t>(c - start) > most) refuse("a number with too many digits");
        return c;
    }

    // The common case in few steps: [-]digits[.digits] and a separator right after it.
    bool plainReal() {
        const char* c = p_;
        if (c < end_ && *c == '-') ++c;
        const char* start = c;
        while (c < end_ && isDigit(*c)) ++c;
        if (c == start || c - start > 19 || c >= end_) return false;
        const bool point = *c == '.';
        if (point) {
            ++c;
            while (c < end_ && isDigit(*c)) ++c;
            if (c >= end_) return false;
        }
        // Without a point, "," and a digit would be read as a decimal comma.
        if (!(*c == ';' || (*c == ',' && (point || c + 1 >= end_ || !isDigit(c[1]))))) return false;
        p_ = c + 1;
        return true;
    }

    // A decimal number: sign, digits, a fraction after "." (or after "," when a digit follows,
    // as the importer reads it), an exponent. Words such as "nan" and "inf" are refused, and so
    // are exponents above 30, far beyond any model's size.
    void real() {
        skipBlanks();
        if (plainReal()) return;
        const char first = at(0);
        if ((first == '-' || first == '1') && (at(2) == '#' || at(3) == '#')) {
            if (startsWith(p_, "-1.#IND00", false) || startsWith(p_, "1.#IND00", false)) {
                p_ += std::min<uint64_t>(9, left());  // the importer skips nine either way
                separator();
                return;
            }
            if (startsWith(p_, "1.#QNAN0", false)) {
                p_ += 8;
                separator();
                return;
            }
        }
        const char* c = p_;
        if (c < end_ && (*c == '-' || *c == '+')) ++c;
        auto atc = [&](size_t k) { return static_cast<size_t>(end_ - c) > k ? c[k] : '\0'; };
        if ((atc(0) | 0x20) == 'n' || (atc(0) | 0x20) == 'i')
            if (startsWith(c, "nan", true) || startsWith(c, "inf", true)) refuse("a number that is not finite");
        const bool fractionFirst = (atc(0) == '.' || atc(0) == ',') && isDigit(atc(1));
        if (!isDigit(atc(0)) && !fractionFirst) refuse("a number expected");
        if (!fractionFirst) c = digits(c, 19);
        if ((atc(0) == '.' || atc(0) == ',') && isDigit(atc(1))) {
            c = digits(c + 1, SIZE_MAX);
        } else if (atc(0) == '.') {
            ++c;
        }
        if (atc(0) == 'e' || atc(0) == 'E') {
            ++c;
            const bool negative = atc(0) == '-';
            if (negative || atc(0) == '+') ++c;
            if (!isDigit(atc(0))) refuse("an exponent without digits");
            uint64_t exponent = 0;
            const char* last = digits(c, 19);
            for (; c < last; ++c) exponent = std::min<uint64_t>(exponent * 10 + static_cast<uint64_t>(*c - '0'), 1000);
            if (!negative && exponent > 30) refuse("a number too large");
        }
        p_ = c;
        separator();
    }

    void reals(int n) {
        for (int i = 0; i < n; ++i) real();
    }
    void vector(int n) {
        reals(n);
        maybeSeparator();
    }

    void string() {
        skipBlanks();
        if (p_ >= end_ || *p_ != '"') refuse("a quoted string expected");
        const char* start = ++p_;
        while (p_ < end_ && *p_ != '"') ++p_;
        if (p_ >= end_ - 1 || p_[1] != ';') refuse("a string must end with a quote and \";\"");
        if (static_cast<size_t>(p_ - start) > MaxNameLength) refuse("a string longer than 1000 characters");
        p_ += 2;
    }

    // Anything the game does not read: skipped up to its matching brace, as the importer does.
    void unknownObject() {
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside an object");
            if (t == "{") break;
        }
        for (uint64_t open = 1; open > 0;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside an object");
            if (t == "{") ++open;
            if (t == "}") --open;
        }
    }

    void templateObject() {
        head();
        token();  // the GUID
        for (;;) {
            std::string_view t = token();
            if (t == "}") return;
            if (t.empty()) refuse("the file ends inside a template");
        }
    }

    void frame(int depth) {
        if (depth > XFileMaxFrameDepth)
            refuse("frames nested more than " + std::to_string(XFileMaxFrameDepth) + " deep");
        head();
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside a frame");
            if (t == "}") return;
            if (t == "Frame") {
                frame(depth + 1);
            } else if (t == "FrameTransformMatrix") {
                head();
                reals(16);
                semicolon();
                closing();
            } else if (t == "Mesh") {
                mesh();
            } else {
                unknownObject();
            }
        }
    }

    void mesh() {
        head();
        const uint32_t vertices = count(VertexBytes, "vertices");
        for (uint32_t v = 0; v < vertices; ++v) vector(3);
        const uint32_t faces = count(FaceBytes, "faces");
        for (uint32_t f = 0; f < faces; ++f) {
            const uint32_t corners = count(IndexBytes, "face corners");
            if (corners == 0) refuse("a face without corners");
            for (uint32_t c = 0; c < corners; ++c) index(vertices, "a face uses vertex");
            maybeSeparator();
        }
        bool normals = false;
        bool materialList = false;
        unsigned coordinateSets = 0;
        unsigned colourSets = 0;
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside a mesh");
            if (t == "}") return;
            if (t == "MeshNormals") {
                if (normals) refuse("a mesh with two normal lists");
                normals = true;
                meshNormals(faces);
            } else if (t == "MeshTextureCoords") {
                if (++coordinateSets > MaxCoordinateSets) refuse("too many texture coordinate sets");
                head();
                if (count(CoordinateBytes, "texture coordinates") != vertices)
                    refuse("texture coordinates do not match the vertex count");
                for (uint32_t v = 0; v < vertices; ++v) vector(2);
                closing();
            } else if (t == "MeshVertexColors") {
                if (++colourSets > MaxCoordinateSets) refuse("too many vertex colour sets");
                meshColours(vertices);
            } else if (t == "MeshMaterialList") {
                if (materialList) refuse("a mesh with two material lists");
                materialList = true;
                meshMaterialList(faces);
            } else if (t == "XSkinMeshHeader") {
                head();
                number();
                number();
                number();
                closing();
            } else if (t == "SkinWeights") {
                skinWeights(vertices);
            } else {
                unknownObject();
            }
        }
    }

    void meshNormals(uint32_t faces) {
        head();
        const uint32_t normals = count(VertexBytes, "normals");
        for (uint32_t n = 0; n < normals; ++n) vector(3);
        if (count(IndexBytes, "normal faces") != faces) refuse("the normal faces do not match the faces");
        for (uint32_t f = 0; f < faces; ++f) {
            const uint32_t corners = count(IndexBytes, "normal face corners");
            for (uint32_t c = 0; c < corners; ++c) index(normals, "a face uses normal");
            maybeSeparator();
        }
        closing();
    }

    void meshColours(uint32_t vertices) {
        head();
        if (count(ColourBytes, "vertex colours") != vertices) refuse("vertex colours do not match the vertex count");
        for (uint32_t v = 0; v < vertices; ++v) {
            index(vertices, "a colour for vertex");
            vector(4);
            skipBlanks();
            if (p_ < end_ && (*p_ == ';' || *p_ == ',')) ++p_;
        }
        closing();
    }

    void meshMaterialList(uint32_t faces) {
        head();
        const uint32_t declared = number();
        const uint32_t perFace = count(IndexBytes, "face materials");
        if (perFace != faces && perFace != 1) refuse("the face materials do not match the faces");
        if (perFace == 1 && faces == 0) refuse("a face material for a mesh without faces");
        uint32_t highest = 0;
        for (uint32_t f = 0; f < perFace; ++f) highest = std::max(highest, number());
        if (p_ < end_ && *p_ == ';') ++p_;
        uint32_t held = 0;
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside a material list");
            if (t == "}") break;
            if (t == "{") {
                name();  // a material defined elsewhere in the file
                closing();
                ++held;
            } else if (t == "Material") {
                material();
                ++held;
            } else if (t != ";") {
                unknownObject();
            }
        }
        if (declared > held)
            refuse("its material list declares " + std::to_string(declared) + " materials but holds " +
                   std::to_string(held));
        if (perFace > 0 && highest >= held)
            refuse("a face uses material " + std::to_string(highest) + " of " + std::to_string(held));
    }

    void material() {
        head();
        vector(4);  // diffuse colour
        real();     // specular power
        vector(3);  // specular colour
        vector(3);  // emissive colour
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside a material");
            if (t == "}") return;
            if (t == "TextureFilename" || t == "TextureFileName" || t == "NormalmapFilename" ||
                t == "NormalmapFileName") {
                head();
                string();
                closing();
            } else {
                unknownObject();
            }
        }
    }

    void skinWeights(uint32_t vertices) {
        head();
        string();  // the bone's frame
        const uint32_t weights = count(WeightBytes, "skin weights");
        for (uint32_t w = 0; w < weights; ++w) index(vertices, "a skin weight names vertex");
        for (uint32_t w = 0; w < weights; ++w) real();
        reals(16);  // the offset matrix
        semicolon();
        closing();
    }

    void animationSet() {
        head();
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside an animation set");
            if (t == "}") return;
            if (t == "Animation") {
                animation();
            } else {
                unknownObject();
            }
        }
    }

    void animation() {
        head();
        for (;;) {
            std::string_view t = token();
            if (t.empty()) refuse("the file ends inside an animation");
            if (t == "}") return;
            if (t == "AnimationKey") {
                animationKey();
            } else if (t == "{") {
                name();  // the animated frame
                closing();
            } else {
                unknownObject();
            }
        }
    }

    void animationKey() {
        head();
        const uint32_t type = number();
        const uint32_t keys = count(KeyBytes, "animation keys");
        for (uint32_t k = 0; k < keys; ++k) {
            number();  // the key's time
            const uint32_t values = number();
            if (type == 0) {
                if (values != 4) refuse("a rotation key without four values");
                reals(4);
                semicolon();
            } else if (type == 1 || type == 2) {
                if (values != 3) refuse("a scale or position key without three values");
                vector(3);
            } else if (type == 3 || type == 4) {
                if (values != 16) refuse("a matrix key without sixteen values");
                reals(16);
                semicolon();
            } else {
                refuse("an animation key of unknown type " + std::to_string(type));
            }
            separator();
        }
        closing();
    }
};

}  // namespace

bool checkXFile(const char* bytes, size_t size, std::string* error) {
    if (size < 16 || std::memcmp(bytes, "xof ", 4) != 0) {
        *error = "not a .x file (no \"xof \" header)";
        return false;
    }
    const std::string_view format(bytes + 8, 4);
    if (format == "bin " || format == "tzip" || format == "bzip") {
        *error = "binary and compressed .x files are not read (save the model as text)";
        return false;
    }
    const std::string_view floatSize(bytes + 12, 4);
    if (format != "txt " || (floatSize != "0032" && floatSize != "0064")) {
        *error = "not a text .x file";
        return false;
    }
    if (std::memchr(bytes, '\0', size)) {
        *error = "a zero byte in a text .x file";
        return false;
    }
    // The rest of the header line is not read.
    const char* start = bytes + 16;
    const char* end = bytes + size;
    while (start < end && *start != '\n' && *start != '\r') ++start;
    if (start < end) ++start;
    try {
        XText(start, end).file();
    } catch (const Refusal& refusal) {
        *error = refusal.reason;
        return false;
    }
    return true;
}

}  // namespace vuz
