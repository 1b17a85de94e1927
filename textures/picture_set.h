// The program's nine pictures, picture1.jpg to picture9.jpg from the current directory.
#pragma once

class TextureLoader;

// The program's one loader, made by LoadPictureSet and kept for the rest of the run.
extern TextureLoader* textureLoader;

// Creates the loader and loads the nine pictures into pictureSlots; a picture that does not load
// leaves its slot without a texture. Reports on the debugger output whether all nine loaded.
void LoadPictureSet();

// Deletes the nine textures; the context must still be current.
void ReleasePictureSet();
