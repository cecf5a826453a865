# Man pages: the version is filled in and the page is compressed the way
# Debian expects it (gzip -9n: no name or time stamp, so the package is the
# same for the same sources).
find_program(KALVORIN_GZIP gzip REQUIRED)

function(kalvorin_handbuchseite quelle)
  get_filename_component(name ${quelle} NAME)
  set(seite ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(${quelle} ${seite} @ONLY)
  add_custom_command(OUTPUT ${seite}.gz
    COMMAND ${KALVORIN_GZIP} -9nf -k ${seite}
    DEPENDS ${seite}
    COMMENT "Handbuchseite ${name}.gz")
  add_custom_target(handbuch_${name} ALL DEPENDS ${seite}.gz)
  install(FILES ${seite}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
