# Run with -DSOURCES=<svg;svg;...> -DSORTIE=<.cpp>: the two colours of each
# picture's face gradient (its first two stop colours), so that what draws the
# board elsewhere (the pilots' phones) shows the pictures' own colours.
set(lignes "")
foreach(source IN LISTS SOURCES)
  get_filename_component(nom ${source} NAME_WE)
  file(READ ${source} contenu)
  string(REGEX MATCHALL "stop-color=\"#[0-9A-Fa-f]+\"" arrets "${contenu}")
  list(LENGTH arrets nombre)
  if(nombre LESS 2)
    message(FATAL_ERROR "${source}: no face gradient of two colours")
  endif()
  list(GET arrets 0 haut)
  list(GET arrets 1 bas)
  string(REGEX REPLACE "stop-color=\"(#[0-9A-Fa-f]+)\"" "\\1" haut "${haut}")
  string(REGEX REPLACE "stop-color=\"(#[0-9A-Fa-f]+)\"" "\\1" bas "${bas}")
  string(APPEND lignes "    {\"${nom}\", \"${haut}\", \"${bas}\"},\n")
endforeach()
file(WRITE ${SORTIE}
  "// Generated from the board's pictures; do not edit.\n"
  "#include \"web/images_tableau.h\"\n\n"
  "extern const DegradeImage DEGRADES_IMAGES[] = {\n${lignes}};\n"
  "extern const std::size_t NB_DEGRADES_IMAGES = sizeof DEGRADES_IMAGES / sizeof DEGRADES_IMAGES[0];\n")
