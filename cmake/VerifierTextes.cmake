# Run with -DSOURCE=: fails the build on a line of the string table that is not
# a string record ("number<TAB>text"), a comment or blank, so that a string
# written over two lines never loses its second half in silence.
file(READ ${SOURCE} contenu)
# List separators and brackets would merge or split lines.
string(REGEX REPLACE "[][;]" "," contenu "${contenu}")
string(REPLACE "\r" "" contenu "${contenu}")
string(REPLACE "\n" ";" lignes "${contenu}")
set(numero 0)
foreach(ligne IN LISTS lignes)
  math(EXPR numero "${numero} + 1")
  if(NOT ligne STREQUAL "" AND NOT ligne MATCHES "^#" AND NOT ligne MATCHES "^[0-9]+\t")
    message(FATAL_ERROR "${SOURCE}:${numero}: not a string record: ${ligne}")
  endif()
endforeach()
