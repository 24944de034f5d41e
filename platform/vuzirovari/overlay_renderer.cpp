#include "overlay_renderer.h"

#include <epoxy/gl.h>

#include <string>

#include "../win32/win32_host.h"
#include "gl_shared.h"

namespace vuz {

namespace {

const char* const VertexShader = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;
out vec2 pictureUv;
void main() {
    pictureUv = uv;
    gl_Position = vec4(position.x / 16.0, position.y / 12.0, 0.0, 1.0);
}
)";

const char* const FragmentShader = R"(#version 330 core
in vec2 pictureUv;
uniform sampler2D picture;
uniform vec4 colour;
out vec4 result;
void main() { result = texture(picture, pictureUv) * colour; }
)";

GLint wrapMode(int mode) {
    switch (mode) {
    case 1: return GL_REPEAT;
    case 2: return GL_MIRRORED_REPEAT;
    case 4: return GL_CLAMP_TO_BORDER;
    default: return GL_CLAMP_TO_EDGE;
    }
}

GLint minFilter(int mode, bool mipMaps) {
    if (!mipMaps) return GL_LINEAR;
    switch (mode) {
    case 1: return GL_LINEAR_MIPMAP_NEAREST;
    case 2: return GL_LINEAR_MIPMAP_LINEAR;
    default: return GL_LINEAR;
    }
}

}  // namespace

bool OverlayRenderer::build() {
    unsigned vs = compileShader(GL_VERTEX_SHADER, VertexShader, "", "2D");
    unsigned fs = compileShader(GL_FRAGMENT_SHADER, FragmentShader, "", "2D");
    if (vs && fs) {
        program_ = glCreateProgram();
        glAttachShader(program_, vs);
        glAttachShader(program_, fs);
        glLinkProgram(program_);
        int ok = 0;
        glGetProgramiv(program_, GL_LINK_STATUS, &ok);
        if (!ok) {
            win32::log("engine: the 2D shaders do not link");
            glDeleteProgram(program_);
            program_ = 0;
        }
    }
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    if (!program_) return false;
    colourUniform_ = glGetUniformLocation(program_, "colour");
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "picture"), 0);
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &buffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(QuadVertex), reinterpret_cast<void*>(0));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(QuadVertex), reinterpret_cast<void*>(2 * sizeof(float)));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    return true;
}

bool OverlayRenderer::begin(unsigned contextSerial) {
    if (contextSerial == 0) return false;
    if (contextSerial != serial_) {
        // A new context: the objects of the old one died with it.
        serial_ = contextSerial;
        program_ = vertexArray_ = buffer_ = 0;
        broken_ = !build();
    }
    if (broken_) return false;
    glUseProgram(program_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    return true;
}

void OverlayRenderer::draw(const std::vector<QuadVertex>& triangles, Texture& texture, const DrawStyle& style) {
    if (triangles.empty()) return;
    unsigned name = texture.glTexture(serial_);
    if (!name) return;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapMode(style.textureMode));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapMode(style.textureMode));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter(style.mipFilterMode, texture.hasMipMaps()));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBlendFunc(blendFactor(style.blendSource, GL_SRC_ALPHA), blendFactor(style.blendTarget, GL_ONE_MINUS_SRC_ALPHA));
    glUniform4f(colourUniform_, style.colour.x, style.colour.y, style.colour.z, style.colour.w);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(triangles.size() * sizeof(QuadVertex)), triangles.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangles.size()));
}

void OverlayRenderer::end() {
    glDisable(GL_BLEND);
    glBindVertexArray(0);
    glUseProgram(0);
}

}  // namespace vuz
