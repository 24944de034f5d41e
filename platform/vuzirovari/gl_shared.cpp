#include "gl_shared.h"

#include <string>

#include "../win32/win32_host.h"

namespace vuz {

unsigned compileShader(GLenum kind, const char* source, const char* prefix, const char* what) {
    unsigned shader = glCreateShader(kind);
    const char* parts[2] = {prefix, source};
    glShaderSource(shader, 2, parts, nullptr);
    glCompileShader(shader);
    int ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[512] = {};
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        win32::log(std::string("engine: the ") + what + " shader does not compile: " + log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLenum blendFactor(int factor, GLenum fallback) {
    switch (factor) {
    case 1: return GL_ZERO;
    case 2: return GL_ONE;
    case 3: return GL_SRC_COLOR;
    case 4: return GL_ONE_MINUS_SRC_COLOR;
    case 5: return GL_SRC_ALPHA;
    case 6: return GL_ONE_MINUS_SRC_ALPHA;
    case 7: return GL_DST_ALPHA;
    case 8: return GL_ONE_MINUS_DST_ALPHA;
    case 9: return GL_DST_COLOR;
    case 10: return GL_ONE_MINUS_DST_COLOR;
    case 11: return GL_SRC_ALPHA_SATURATE;
    default: return fallback;
    }
}

}  // namespace vuz
