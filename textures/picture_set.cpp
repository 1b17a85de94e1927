#include "textures/picture_set.h"
