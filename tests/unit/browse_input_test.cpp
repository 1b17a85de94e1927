#include "scene/scene_state.h"
#include <gtest/gtest.h>
TEST(BrowseInput, Placeholder) { SUCCEED(); }
