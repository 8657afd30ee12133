# Run with -DSOURCE= -DSYMBOLE= -DSORTIE= (see Embarquer.cmake).
file(READ ${SOURCE} contenu HEX)
string(LENGTH "${contenu}" longueur)
math(EXPR taille "${longueur} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," octets "${contenu}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" octets "${octets}")
file(WRITE ${SORTIE}
  "// Generated from ${SOURCE}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOLE}[] = {\n${octets}0x00};\n"
  "extern const std::size_t ${SYMBOLE}Taille = ${taille};\n")
