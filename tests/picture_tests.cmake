# The picture service and LoadPicture. The tests choose the Linux picture backend.
add_library(picture_fixtures STATIC unit/picture_fixtures.cpp)
target_include_directories(picture_fixtures PUBLIC ${PROJECT_SOURCE_DIR})

tessilor_test(picture_service_test SOURCES unit/picture_service_test.cpp
    LIBS platform_pictures platform_system picture_fixtures LABELS unit)
tessilor_test(picture_decoder_test SOURCES gl/picture_decoder_test.cpp
    LIBS picture_decoder platform_pictures platform_system picture_fixtures gl_harness LABELS gl)
tessilor_test(http_picture_test SOURCES gl/http_picture_test.cpp
    LIBS picture_decoder platform_pictures platform_system picture_fixtures gl_harness LABELS gl)
