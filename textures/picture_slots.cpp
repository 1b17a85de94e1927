#include "textures/texture_record.h"

PictureSlots pictureSlots{};
