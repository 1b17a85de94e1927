#include "textures/picture_set.h"

#include "platform/system.h"
#include "textures/texture_loader.h"

#include <cstdio>

TextureLoader* textureLoader = nullptr;

void LoadPictureSet() {
    textureLoader = new TextureLoader();
    textureLoader->SetFullSize(false);
    bool allLoaded = true;
    for (int number = 1; number <= 9; ++number) {
        char name[16];
        std::snprintf(name, sizeof name, "picture%d.jpg", number);
        if (!textureLoader->LoadTexture(name, pictureSlots[number - 1])) {
            allLoaded = false;
        }
    }
    platform::OutputDebugLine(allLoaded ? "Loded texture successfully..."
                                        : "Loded texture failed...");
}

void ReleasePictureSet() {
    if (textureLoader == nullptr) {
        return;
    }
    for (TextureRecord& slot : pictureSlots) {
        textureLoader->FreeTexture(slot);
    }
}
