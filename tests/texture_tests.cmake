# The texture loader's size rule, upload and TGA reader.
tessilor_test(upload_texture_test SOURCES gl/upload_texture_test.cpp
    LIBS texture_loader gl_harness LABELS gl)
tessilor_test(tga_reader_test SOURCES gl/tga_reader_test.cpp gl/tga_fixture.cpp
    LIBS tga_reader gl_harness OpenGL::GLU LABELS gl)
find_package(PNG REQUIRED)
tessilor_test(tga_suite_test SOURCES gl/tga_suite_test.cpp gl/reference_png.cpp
    LIBS tga_reader tga_decode gl_harness OpenGL::GLU PNG::PNG LABELS gl)
