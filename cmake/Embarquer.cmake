# Turns a data file into a C++ array at build time, so the program carries it
# without depending on where it is started from.
#
#   embarquer_fichier(<source> <symbol> <generated .cpp>)
# defines  extern const unsigned char <symbol>[];  extern const std::size_t <symbol>Taille;

set(EMBARQUER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbarquerScript.cmake)

function(embarquer_fichier source symbole sortie)
  add_custom_command(
    OUTPUT ${sortie}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DSYMBOLE=${symbole} -DSORTIE=${sortie}
            -P ${EMBARQUER_SCRIPT}
    DEPENDS ${source} ${EMBARQUER_SCRIPT}
    COMMENT "Embedding ${source}"
    VERBATIM)
endfunction()
