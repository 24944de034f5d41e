#include "ResourceEngine.h"

#include "platform/vuzirovari/vuzirovari.h"

const ResourceEngine& vuzirovariResourceEngine() {
    static const ResourceEngine engine = {
        iSpriteCreateFromMemory,
        iSpriteDestroy,
        iMeshCreateFromMemory,
        iMeshBodyShadowCasterCreateFromMemory,
        iMeshDestroy,
        iSkinMeshCreateFromMemory,
        iSkinMeshDestroy,
        iBodyCreateFromMemory,
        iBodySGCreateFromMemory,
        iBodyDestroy,
        iFontCreateFromMemory,
        iFontDestroy,
    };
    return engine;
}
