# Turns a data file into a C++ array at build time, so the program carries it
# without depending on where it is started from.
#
#   embarquer_fichier(<source> <symbol> <generated .cpp> [VERIFIER <script>])
# defines  extern const unsigned char <symbol>[];  extern const std::size_t <symbol>Taille;
# A VERIFIER script runs first with -DSOURCE=<source> and fails the build when
# the file is not as it must be.

set(EMBARQUER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbarquerScript.cmake)

function(embarquer_fichier source symbole sortie)
  cmake_parse_arguments(ARG "" "VERIFIER" "" ${ARGN})
  set(verification)
  if(ARG_VERIFIER)
    set(verification COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -P ${ARG_VERIFIER})
  endif()
  add_custom_command(
    OUTPUT ${sortie}
    ${verification}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DSYMBOLE=${symbole} -DSORTIE=${sortie}
            -P ${EMBARQUER_SCRIPT}
    DEPENDS ${source} ${EMBARQUER_SCRIPT} ${ARG_VERIFIER}
    COMMENT "Embedding ${source}"
    VERBATIM)
endfunction()
