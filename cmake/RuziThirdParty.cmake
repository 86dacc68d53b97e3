# stb (Debian libstb-dev, header only) for both targets. The headers are copied into the build
# tree because adding /usr/include to a MinGW build would pull in Linux headers.
find_path(RUZI_STB_DIR stb/stb_image.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(COPY ${RUZI_STB_DIR}/stb DESTINATION ${CMAKE_BINARY_DIR}/third_party/include)
add_library(ruzi_stb INTERFACE)
target_include_directories(ruzi_stb SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/third_party/include)

# Debian's copy (2022-09) has faults our image fuzzer found: a JPEG Huffman table of more than
# 256 codes wrote past its arrays, a damaged Huffman code read a symbol far outside them, a read
# of zero bytes passed a null buffer to memcpy, and a PNG data chunk claiming up to 1 GiB more
# than the file holds made it ask for 2 GiB before reading a byte. The copy gets fixes; a copy that no longer
# holds the old lines stops the configure, so a newer stb is looked at rather than patched blindly.
set(stb_image ${CMAKE_BINARY_DIR}/third_party/include/stb/stb_image.h)
file(READ ${stb_image} stb_text)
# (A macro, not a list of pairs: the C lines hold semicolons.)
macro(ruzi_fix_stb old new)
  string(FIND "${stb_text}" "${old}" found)
  string(FIND "${stb_text}" "${new}" fixed)
  if(found EQUAL -1 AND fixed EQUAL -1)
    message(FATAL_ERROR "stb_image.h is not the copy our fixes were made for: look at ${RUZI_STB_DIR}/stb/stb_image.h")
  endif()
  string(REPLACE "${old}" "${new}" stb_text "${stb_text}")
endmacro()
ruzi_fix_stb("      for (j=0; j < count[i]; ++j)\n         h->size[k++] = (stbi_uc) (i+1);\n"
             "      for (j=0; j < count[i]; ++j) {\n         h->size[k++] = (stbi_uc) (i+1);\n         if (k >= 257) return stbi__err(\"bad size list\",\"Corrupt JPEG\");\n      }\n")
ruzi_fix_stb("   if (s->img_buffer+n <= s->img_buffer_end) {\n      memcpy(buffer, s->img_buffer, n);\n"
             "   if (s->img_buffer+n <= s->img_buffer_end) {\n      if (n > 0) memcpy(buffer, s->img_buffer, n);\n")
ruzi_fix_stb("   c = ((j->code_buffer >> (32 - k)) & stbi__bmask[k]) + h->delta[k];\n   STBI_ASSERT("
             "   c = ((j->code_buffer >> (32 - k)) & stbi__bmask[k]) + h->delta[k];\n   if (c < 0 || c >= 256) return -1;\n   STBI_ASSERT(")
ruzi_fix_stb("            if ((int)(ioff + c.length) < (int)ioff) return 0;\n"
             "            if ((int)(ioff + c.length) < (int)ioff) return 0;\n            if (!s->io.read && c.length > (stbi__uint32)(s->img_buffer_end - s->img_buffer)) return stbi__err(\"outofdata\",\"Corrupt PNG\");\n")
file(WRITE ${stb_image} "${stb_text}")
