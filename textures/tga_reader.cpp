#include "textures/texture_loader.h"
