# cmake -DINPUT=<text file> -DOUTPUT=<.cpp> -P RuziEmbedText.cmake
# Writes ruzi::skin::kSkinManifestText holding the file's bytes (a raw string: tabs and
# trailing blanks survive).
file(READ ${INPUT} text)
file(WRITE ${OUTPUT} "namespace ruzi::skin {\nextern const char kSkinManifestText[];\nconst char kSkinManifestText[] = R\"manifest(${text})manifest\";\n}  // namespace ruzi::skin\n")
