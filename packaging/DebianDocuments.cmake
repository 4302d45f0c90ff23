# What Debian expects in share/doc/tunemill: the licences of everything the
# package ships, and the changelog of this release, compressed.
execute_process(COMMAND date -u -R -d "${TUNEMILL_RELEASE_DATE}" OUTPUT_VARIABLE TUNEMILL_RELEASE_DATE_RFC2822
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/debian/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION share/doc/tunemill)
