# Fails the configuration when a core folder includes a Qt header. The same
# scan runs as a test (core_has_no_qt) so that it is also checked after edits.
set(_core_dirs text codes store analysis view jvlink import reports print app)
set(_offenders "")
foreach(dir IN LISTS _core_dirs)
  file(GLOB_RECURSE _files
       ${CMAKE_CURRENT_LIST_DIR}/../src/${dir}/*.h ${CMAKE_CURRENT_LIST_DIR}/../src/${dir}/*.cpp)
  foreach(f IN LISTS _files)
    file(STRINGS ${f} _hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
    if(_hits)
      list(APPEND _offenders ${f})
    endif()
  endforeach()
endforeach()
if(_offenders)
  message(FATAL_ERROR "Qt headers included in core folders (the core must stay Qt-free):\n${_offenders}")
endif()
