# cmake -DCATALOGUES=a.ts;b.ts -P CheckCatalogues.cmake
#   fails when a catalogue holds a text without a finished translation, or one the sources dropped.
# With -DLUPDATE=lupdate -DSOURCES=folder -DWORK=folder it first reads the sources into copies of the
# catalogues in WORK, so that a text of the sources that a catalogue lacks fails too, as does a text
# that lupdate cannot give a context (it could never be translated).

function(check_catalogue catalogue shown)
  file(READ ${catalogue} content)
  # One message's source up to its translation; the comments in between hold no "<" either.
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"(unfinished|obsolete|vanished)\""
    unfinished "${content}")
  string(REGEX MATCHALL "<translation type=\"(unfinished|obsolete|vanished)\"" marks "${content}")
  list(LENGTH marks count)
  if(count GREATER 0)
    set(texts "")
    foreach(entry IN LISTS unfinished)
      string(REPLACE "\n" " " entry "${entry}")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]+)\"$" "  \\2: \\1" line "${entry}")
      string(APPEND texts "\n${line}")
    endforeach()
    message(FATAL_ERROR "${shown}: ${count} text(s) unfinished or no longer in the sources "
      "(run scripts/update-translations.sh, then translate them):${texts}")
  endif()
endfunction()

foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name ${catalogue} NAME)
  if(NOT DEFINED LUPDATE)
    check_catalogue(${catalogue} ${name})
    continue()
  endif()
  file(MAKE_DIRECTORY ${WORK})
  file(COPY_FILE ${catalogue} ${WORK}/${name})
  execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -I ${SOURCES} -ts ${WORK}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "lupdate over ${SOURCES} failed or warned:\n${output}")
  endif()
  check_catalogue(${WORK}/${name} "${name} against the sources")
endforeach()
