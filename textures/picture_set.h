// The program's nine pictures, picture1.jpg to picture9.jpg from the current directory.
#pragma once

// Creates the program's one loader and loads the nine pictures into pictureSlots.
void LoadPictureSet();

// Deletes the nine textures; the context must still be current.
void ReleasePictureSet();
