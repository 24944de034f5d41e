#include "ply_check.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vuz {

namespace {

// A header this long is not a collision set's.
constexpr size_t MaxHeaderBytes = 64 * 1024;

struct Property {
    int size = 0;       // bytes of a value (binary)
    bool whole = true;  // an integer type
    bool list = false;
    int countSize = 0;  // bytes of a list's count (binary)
    bool valueSigned = false;  // a list's values may be below 0 (binary)
    std::string_view name;
};

struct Element {
    bool face = false;
    uint64_t count = 0;
    std::vector<Property> properties;
};

enum class Format { Ascii, Little, Big };

// Bytes of a value of the type; 0 for a type the importer does not know.
int typeSize(std::string_view t, bool* whole) {
    *whole = true;
    if (t == "char" || t == "uchar" || t == "int8" || t == "uint8") return 1;
    if (t == "short" || t == "ushort" || t == "int16" || t == "uint16") return 2;
    if (t == "int" || t == "uint" || t == "int32" || t == "uint32") return 4;
    *whole = false;
    if (t == "float" || t == "float32") return 4;
    if (t == "double" || t == "float64") return 8;
    return 0;
}

bool isSigned(std::string_view t) { return t == "char" || t == "int8" || t == "short" || t == "int16" || t == "int" || t == "int32"; }

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool wholeNumber(std::string_view w, uint64_t* out) {
    if (w.empty() || w.size() > 19) return false;
    uint64_t v = 0;
    for (char c : w) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    *out = v;
    return true;
}

// A number of a text row as the type wants it: digits with an optional sign for integers,
// a decimal number (an optional sign, digits with an optional point, an optional exponent)
// for floats. Read by hand: the C library's reading follows the locale's decimal point.
bool textNumber(std::string_view w, bool whole) {
    if (w.size() > 64) return false;
    size_t i = 0;
    auto sign = [&] {
        if (i < w.size() && (w[i] == '-' || w[i] == '+')) ++i;
    };
    auto digits = [&] {
        size_t start = i;
        while (i < w.size() && w[i] >= '0' && w[i] <= '9') ++i;
        return i - start;
    };
    sign();
    size_t n = digits();
    if (!whole && i < w.size() && w[i] == '.') {
        ++i;
        n += digits();
    }
    if (n == 0) return false;
    if (!whole && i < w.size() && (w[i] == 'e' || w[i] == 'E')) {
        ++i;
        sign();
        if (digits() == 0) return false;
    }
    return i == w.size();
}

class Refusal {
public:
    std::string reason;
};

[[noreturn]] void refuse(std::string reason) { throw Refusal{std::move(reason)}; }

uint64_t readCount(const unsigned char* p, int size, bool isSignedType, bool big) {
    uint64_t v = 0;
    for (int k = 0; k < size; ++k) v |= uint64_t(p[big ? size - 1 - k : k]) << (8 * k);
    if (isSignedType && size < 8 && (v >> (8 * size - 1)) & 1) refuse("a list's count is below 0");
    return v;
}

// The header, line by line; on return *dataStart is the first byte after end_header's line.
Format readHeader(std::string_view text, std::vector<Element>* elements, std::vector<bool>* signedCounts,
                  size_t* dataStart) {
    size_t pos = 0;
    int line = 0;
    Format format = Format::Ascii;
    bool crLf = false;  // of the line read last
    for (;;) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos || end > MaxHeaderBytes) refuse("no end_header");
        std::string_view l = text.substr(pos, end - pos);
        crLf = !l.empty() && l.back() == '\r';
        if (crLf) l.remove_suffix(1);
        for (char c : l)
            if (!(c == '\t' || (c >= ' ' && c <= '~'))) refuse("the header is not plain text");
        pos = end + 1;
        ++line;
        std::vector<std::string_view> w = words(l);
        if (line == 1) {
            if (l != "ply") refuse("no \"ply\" first line");
            continue;
        }
        if (line == 2) {
            if (w.size() != 3 || w[0] != "format" || w[2] != "1.0") refuse("no format line after \"ply\"");
            if (w[1] == "ascii") format = Format::Ascii;
            else if (w[1] == "binary_little_endian") format = Format::Little;
            else if (w[1] == "binary_big_endian") format = Format::Big;
            else refuse("unknown format \"" + std::string(w[1]) + "\"");
            continue;
        }
        if (w.empty() || w[0] == "comment" || w[0] == "obj_info") continue;
        if (w[0] == "end_header") {
            if (w.size() != 1) refuse("words after end_header");
            // The importer skips an LF after end_header's line end: binary data starting with
            // one would be read a byte late.
            if (format != Format::Ascii && !crLf && pos < text.size() && text[pos] == '\n')
                refuse("the binary data starts with a line end");
            *dataStart = pos;
            return format;
        }
        if (w[0] == "element") {
            Element e;
            if (w.size() != 3 || !wholeNumber(w[2], &e.count) || e.count > 0xffffffffu)
                refuse("line " + std::to_string(line) + ": element needs a name and a count");
            // The importer reads the count of an element it does not know from its name.
            if (w[1] != "vertex" && w[1] != "face")
                refuse("line " + std::to_string(line) + ": an element other than vertex and face");
            e.face = w[1] == "face";
            for (const Element& before : *elements)
                if (before.face == e.face) refuse("line " + std::to_string(line) + ": a second " + std::string(w[1]) + " element");
            elements->push_back(e);
            continue;
        }
        if (w[0] == "property") {
            if (elements->empty()) refuse("line " + std::to_string(line) + ": a property before any element");
            Property p;
            bool countWhole = true;
            if (w.size() == 5 && w[1] == "list") {
                // The importer reads other lists (texture coordinates) as if every face had
                // three corners.
                if (!elements->back().face || (w[4] != "vertex_indices" && w[4] != "vertex_index"))
                    refuse("line " + std::to_string(line) + ": a list other than a face's vertex_indices");
                for (const Property& q : elements->back().properties)
                    if (q.list) refuse("line " + std::to_string(line) + ": a second list of a face");
                p.list = true;
                p.countSize = typeSize(w[2], &countWhole);
                p.size = typeSize(w[3], &p.whole);
                p.valueSigned = isSigned(w[3]);
                signedCounts->push_back(isSigned(w[2]));
                if (p.size != 0 && !p.whole) refuse("line " + std::to_string(line) + ": face corners that are not whole numbers");
            } else if (w.size() == 3) {
                p.size = typeSize(w[1], &p.whole);
                signedCounts->push_back(false);
            } else {
                refuse("line " + std::to_string(line) + ": property needs a type and a name");
            }
            if (p.size == 0 || (p.list && (p.countSize == 0 || !countWhole)))
                refuse("line " + std::to_string(line) + ": unsupported property type");
            p.name = w.back();
            elements->back().properties.push_back(p);
            continue;
        }
        refuse("line " + std::to_string(line) + ": unknown header line");
    }
}

// A face needs three corners to make a triangle, each a vertex of the file: the importer's
// triangulation stops the program on a face of fewer, and a corner outside the vertices
// reads past them.
void checkCorners(uint64_t corners) {
    if (corners < 3) refuse("a face with fewer than three corners");
}

void checkCorner(uint64_t corner, uint64_t vertices) {
    if (corner >= vertices) refuse("a face corner " + std::to_string(corner) + " outside the " + std::to_string(vertices) + " vertices");
}

void checkBinary(const unsigned char* p, uint64_t left, const std::vector<Element>& elements,
                 const std::vector<bool>& signedCounts, bool big, uint64_t vertices) {
    size_t prop = 0;
    for (const Element& e : elements) {
        uint64_t fixed = 0;
        bool lists = false;
        for (const Property& q : e.properties) {
            fixed += q.list ? q.countSize : q.size;
            lists = lists || q.list;
        }
        if (!lists) {  // rows of one size: no walk needed
            if (fixed != 0 && e.count > left / fixed) refuse("the data is shorter than the header declares");
            p += e.count * fixed;
            left -= e.count * fixed;
            prop += e.properties.size();
            continue;
        }
        // Each row spends at least one byte on a list's count, so this walk ends within the file.
        for (uint64_t row = 0; row < e.count; ++row) {
            for (size_t k = 0; k < e.properties.size(); ++k) {
                const Property& q = e.properties[k];
                uint64_t need = q.list ? q.countSize : q.size;
                if (need > left) refuse("the data is shorter than the header declares");
                uint64_t n = q.list ? readCount(p, q.countSize, signedCounts[prop + k], big) : 0;
                p += need;
                left -= need;
                if (q.list) {
                    checkCorners(n);
                    if (n > left / q.size) refuse("a list is longer than the data left");
                    for (uint64_t i = 0; i < n; ++i) {
                        const unsigned char* value = p + i * q.size;
                        const bool below0 = q.valueSigned && (value[big ? 0 : q.size - 1] & 0x80) != 0;
                        if (below0) refuse("a face corner below 0");
                        checkCorner(readCount(value, q.size, false, big), vertices);
                    }
                    p += n * q.size;
                    left -= n * q.size;
                }
            }
        }
        prop += e.properties.size();
    }
}

// Text rows: one line per row, its numbers separated by blanks.
void checkText(std::string_view text, const std::vector<Element>& elements, uint64_t vertices) {
    size_t pos = 0;
    // The importer skips blank lines after the header only.
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' || text[pos] == '\r')) ++pos;
    uint64_t rows = 0;
    for (const Element& e : elements) rows += e.count;
    if (rows > static_cast<uint64_t>(std::count(text.begin() + pos, text.end(), '\n')) + 1)
        refuse("fewer rows than the header declares");
    for (const Element& e : elements) {
        for (uint64_t row = 0; row < e.count; ++row) {
            if (pos >= text.size()) refuse("fewer rows than the header declares");
            size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            std::string_view l = text.substr(pos, end - pos);
            if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
            pos = end + 1;
            for (char c : l)
                if (!(c == '\t' || (c >= ' ' && c <= '~'))) refuse("a row is not plain text");
            std::vector<std::string_view> w = words(l);
            size_t k = 0;
            for (const Property& q : e.properties) {
                uint64_t n = 1;
                if (q.list) {
                    if (k >= w.size() || !wholeNumber(w[k], &n)) refuse("a row without its list's count");
                    checkCorners(n);
                    ++k;
                }
                if (n > w.size() - k) refuse("a row with fewer numbers than its header declares");
                for (uint64_t i = 0; i < n; ++i, ++k) {
                    if (!textNumber(w[k], q.whole)) refuse("a row holds \"" + std::string(w[k]).substr(0, 40) + "\", not a number");
                    if (!q.list) continue;
                    uint64_t corner = 0;
                    const std::string_view digits = w[k][0] == '+' ? w[k].substr(1) : w[k];
                    if (w[k][0] == '-' && w[k].find_first_not_of("-0") != std::string_view::npos) refuse("a face corner below 0");
                    if (w[k][0] != '-' && !wholeNumber(digits, &corner)) refuse("a face corner outside the vertices");
                    checkCorner(corner, vertices);
                }
            }
            if (k != w.size()) refuse("a row with more numbers than its header declares");
        }
    }
}

// The vertex element holds each of x, y and z exactly once (the importer leaves a coordinate
// it does not find unset). Returns the number of vertices.
uint64_t checkVertexElement(const std::vector<Element>& elements) {
    for (const Element& e : elements) {
        if (e.face) continue;
        for (const char* axis : {"x", "y", "z"}) {
            const auto n = std::count_if(e.properties.begin(), e.properties.end(), [&](const Property& q) { return q.name == axis; });
            if (n != 1) refuse(std::string("the vertex element holds ") + (n == 0 ? "no " : "more than one ") + axis);
        }
        return e.count;
    }
    refuse("no vertex element");
}

}  // namespace

bool checkPlyFile(const char* bytes, size_t size, std::string* error) {
    try {
        std::string_view text(bytes, size);
        std::vector<Element> elements;
        std::vector<bool> signedCounts;
        size_t start = 0;
        Format format = readHeader(text, &elements, &signedCounts, &start);
        for (const Element& e : elements)
            if (e.count > 0 && e.properties.empty()) refuse("an element without properties has rows");
        const uint64_t vertices = checkVertexElement(elements);
        if (format == Format::Ascii)
            checkText(text.substr(start), elements, vertices);
        else
            checkBinary(reinterpret_cast<const unsigned char*>(bytes) + start, size - start, elements, signedCounts,
                        format == Format::Big, vertices);
        return true;
    } catch (const Refusal& r) {
        *error = r.reason;
        return false;
    }
}

}  // namespace vuz
