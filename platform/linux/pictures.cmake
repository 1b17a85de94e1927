# The picture service on Linux: GdkPixbuf and its loaders for raster pictures and WMF,
# libemf2svg with librsvg and cairo for EMF, libcurl for http(s) addresses.
pkg_check_modules(PICTURE_LIBS REQUIRED IMPORTED_TARGET gdk-pixbuf-2.0 librsvg-2.0 cairo libcurl)

# libemf2svg has no pkg-config file. It is loaded at run time by its soname rather than linked
# (see emf_decoder.cpp), so only its header and the soname are needed here.
find_path(EMF2SVG_INCLUDE_DIR emf2svg.h REQUIRED)
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
file(REAL_PATH "${EMF2SVG_LIBRARY}" emf2svg_real_path)
get_filename_component(emf2svg_file "${emf2svg_real_path}" NAME)
string(REGEX MATCH "^lib[^.]+\\.so\\.[0-9]+" EMF2SVG_SONAME "${emf2svg_file}")
if(NOT EMF2SVG_SONAME)
    message(FATAL_ERROR "cannot tell the soname of ${EMF2SVG_LIBRARY}")
endif()

add_library(platform_pictures STATIC
    linux/picture_service_gdk.cpp
    linux/picture_decoders.cpp
    linux/pixbuf_decoder.cpp
    linux/wmf_decoder.cpp
    linux/emf_decoder.cpp
    linux/jpeg_markers.cpp
    linux/surface_copy.cpp
    linux/local_file.cpp
    linux/http_fetch.cpp)
target_include_directories(platform_pictures PRIVATE ${EMF2SVG_INCLUDE_DIR})
target_compile_definitions(platform_pictures PRIVATE
    TESSILOR_EMF2SVG_LIBRARY="${EMF2SVG_SONAME}")
target_link_libraries(platform_pictures PUBLIC platform_api
    PRIVATE platform_system PkgConfig::PICTURE_LIBS ${CMAKE_DL_LIBS})
