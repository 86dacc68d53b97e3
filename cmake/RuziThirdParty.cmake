# stb (Debian libstb-dev, header only) for both targets. The headers are copied into the build
# tree because adding /usr/include to a MinGW build would pull in Linux headers.
find_path(RUZI_STB_DIR stb/stb_image.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${RUZI_STB_DIR}/stb DESTINATION ${CMAKE_BINARY_DIR}/third_party/include)
add_library(ruzi_stb INTERFACE)
target_include_directories(ruzi_stb SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/include)
