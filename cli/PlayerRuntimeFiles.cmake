# The runtime's files copied from its npm package into `target`, and beside
# each script and WebAssembly file its brotli (quality 11) and gzip (level 9)
# copy. Quality 11 takes most of a minute per WebAssembly file, so each copy
# is made again only when its own file changed.
find_program(BROTLI_PROGRAM brotli REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)

function(add_player_runtime package target)
  # Another version of the package names other files: it configures anew.
  file(GLOB package_files CONFIGURE_DEPENDS ${package}/*)
  set(outputs)
  foreach(source IN LISTS package_files)
    get_filename_component(name ${source} NAME)
    if(name MATCHES "\\.map$")
      continue()
    endif()
    add_custom_command(OUTPUT ${target}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${target}/${name}
      DEPENDS ${source} VERBATIM)
    list(APPEND outputs ${target}/${name})
    if(name MATCHES "\\.(js|wasm)$")
      add_custom_command(OUTPUT ${target}/${name}.br
        COMMAND sh -c "${BROTLI_PROGRAM} --quality=11 -c \"$1\" > \"$2\"" brotli ${source} ${target}/${name}.br
        DEPENDS ${source}
        COMMENT "Compressing ${name} with brotli" VERBATIM)
      # Through the shell, so that the copies are made as any file is
      # (brotli's own output is private to its owner); -n: no name or time
      # in the header, so a build gives the same bytes.
      add_custom_command(OUTPUT ${target}/${name}.gz
        COMMAND sh -c "${GZIP_PROGRAM} -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${target}/${name}.gz
        DEPENDS ${source}
        COMMENT "Compressing ${name} with gzip" VERBATIM)
      list(APPEND outputs ${target}/${name}.br ${target}/${name}.gz)
    endif()
  endforeach()
  # An earlier version's files would be published with this one's.
  file(GLOB built_files ${target}/*)
  foreach(built IN LISTS built_files)
    if(NOT built IN_LIST outputs)
      file(REMOVE ${built})
    endif()
  endforeach()
  file(MAKE_DIRECTORY ${target})
  add_custom_target(player_runtime ALL DEPENDS ${outputs})
endfunction()
