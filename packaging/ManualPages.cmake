# The manual pages tunemill(1) and tunemill-publish(1): help2man writes the
# synopsis and the options from each program's --help, so that they never
# differ from the program; docs/man/PROGRAM.h2m holds the description, the
# exit status, the examples and the rest, written by hand.
find_program(HELP2MAN help2man REQUIRED)

set(MANUAL_PAGES)
foreach(program tunemill tunemill-publish)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  set(text ${PROJECT_SOURCE_DIR}/docs/man/${program}.h2m)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${HELP2MAN} --no-info --section=1 --include=${text} --output=${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program} ${text}
    COMMENT "Writing the manual page of ${program}")
  list(APPEND MANUAL_PAGES ${page}.gz)
endforeach()
add_custom_target(manual_pages ALL DEPENDS ${MANUAL_PAGES})
install(FILES ${MANUAL_PAGES} DESTINATION share/man/man1)
