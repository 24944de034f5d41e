#include "shape_list.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "../win32/crt.h"

namespace vuz {

namespace {

std::vector<std::string> tokens(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& t) : t_(t) {}

    bool more() const { return next_ < t_.size(); }
    const std::string& peek() const { return t_[next_]; }
    void skip() { ++next_; }

    bool number(float* out) {
        if (!more()) return false;
        const std::string& text = t_[next_++];
        return crt::scanFloat(text.c_str(), out) == text.size() && std::isfinite(*out);
    }

private:
    const std::vector<std::string>& t_;
    size_t next_ = 1;
};

struct ShapeWord {
    const char* word;
    ShapeSpec::Kind kind;
    int sizes;
};
const ShapeWord ShapeWords[] = {{"box", ShapeSpec::Kind::Box, 3},
                                {"sphere", ShapeSpec::Kind::Sphere, 1},
                                {"capsule", ShapeSpec::Kind::Capsule, 2},
                                {"cylinder", ShapeSpec::Kind::Cylinder, 2},
                                {"plane", ShapeSpec::Kind::Plane, 4}};

bool readShape(const ShapeWord& word, LineReader& in, ShapeSpec* shape, std::string* error) {
    shape->kind = word.kind;
    for (int i = 0; i < word.sizes; ++i) {
        if (!in.number(&shape->size[i])) {
            *error = std::string(word.word) + " needs " + std::to_string(word.sizes) + " numbers";
            return false;
        }
        if (word.kind != ShapeSpec::Kind::Plane && shape->size[i] <= 0.0f) {
            *error = std::string(word.word) + " sizes must be above 0";
            return false;
        }
    }
    if (word.kind == ShapeSpec::Kind::Plane) {
        float n = std::sqrt(shape->size[0] * shape->size[0] + shape->size[1] * shape->size[1] +
                            shape->size[2] * shape->size[2]);
        if (!(n > 0.0f)) {
            *error = "plane needs a normal that is not 0";
            return false;
        }
        for (int i = 0; i < 4; ++i) shape->size[i] /= n;
    }
    while (in.more()) {
        std::string word2 = in.peek();
        in.skip();
        if (word2 == "at" && word.kind != ShapeSpec::Kind::Plane) {
            for (float& v : shape->at)
                if (!in.number(&v)) {
                    *error = "at needs 3 numbers";
                    return false;
                }
        } else if (word2 == "turn" && word.kind != ShapeSpec::Kind::Plane) {
            float n = 0.0f;
            for (float& v : shape->turn) {
                if (!in.number(&v)) {
                    *error = "turn needs 4 numbers";
                    return false;
                }
                n += v * v;
            }
            if (!(n > 0.0f)) {
                *error = "turn needs a quaternion that is not 0";
                return false;
            }
            for (float& v : shape->turn) v /= std::sqrt(n);
        } else {
            *error = "unexpected \"" + word2 + "\"";
            return false;
        }
    }
    return true;
}

bool readStatement(const std::vector<std::string>& t, const char* kind, bool first, ShapeFile* out, std::string* error) {
    LineReader in(t);
    const std::string& word = t[0];
    if (word == "spg" || word == "pol") {
        float version = 0.0f;
        if (!first || word != kind || !in.number(&version) || version != 1.0f || in.more()) {
            *error = "expected \"" + std::string(kind) + " 1\" as the first line only";
            return false;
        }
        return true;
    }
    if (word == "friction" || word == "bounce") {
        float value = 0.0f;
        if (!in.number(&value) || value < 0.0f || in.more()) {
            *error = word + " needs one number from 0 up";
            return false;
        }
        (word == "friction" ? out->friction : out->bounce) = value;
        return true;
    }
    for (const ShapeWord& w : ShapeWords) {
        if (word != w.word) continue;
        if (w.kind == ShapeSpec::Kind::Plane && std::strcmp(kind, "pol") != 0) break;
        ShapeSpec shape;
        if (!readShape(w, in, &shape, error)) return false;
        out->shapes.push_back(shape);
        return true;
    }
    *error = "unknown statement \"" + word + "\"";
    return false;
}

}  // namespace

bool readShapeFile(const void* bytes, size_t size, const char* kind, ShapeFile* out, std::string* error) {
    *out = ShapeFile();
    std::string text(static_cast<const char*>(bytes ? bytes : ""), bytes ? size : 0);
    if (text.find('\0') != std::string::npos) {
        *error = "not a text file";
        return false;
    }
    std::istringstream lines(text);
    int number = 0;
    bool first = true;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        std::vector<std::string> t = tokens(line);
        if (t.empty()) continue;
        if (!readStatement(t, kind, first, out, error)) {
            *error = "line " + std::to_string(number) + ": " + *error;
            *out = ShapeFile();
            return false;
        }
        first = false;
    }
    if (std::strcmp(kind, "spg") == 0 && out->shapes.empty()) {
        *error = "no shapes";
        return false;
    }
    return true;
}

}  // namespace vuz
