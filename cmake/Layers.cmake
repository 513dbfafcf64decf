# lumoscope_add_layer(<target> [DEPENDS <lower layer targets>...])
#
# One folder, one static library: every .cpp of the calling folder except its main.cpp
# (a folder's program). The includes are rooted at the project folder ("base/...",
# "database/..."), and the library links exactly the layers it declares.
function(lumoscope_add_layer target)
  cmake_parse_arguments(LAYER "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${LAYER_DEPENDS})
  target_compile_options(${target} PRIVATE ${LUMOSCOPE_WARNINGS})
  lumoscope_check_link(${target})
endfunction()

# lumoscope_check_link(<library target>)
#
# Links every object of the library, needed or not, into an empty program with only the
# library's declared dependencies. A function declared below and defined in a higher
# layer (or anything else the declarations do not bring) then fails the build.
function(lumoscope_check_link target)
  if(NOT BUILD_TESTING OR LUMOSCOPE_FUZZ)
    return()
  endif()
  add_executable(${target}_link_check ${PROJECT_SOURCE_DIR}/cmake/link_check_main.cpp)
  target_link_libraries(${target}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
  set_target_properties(${target}_link_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/link-check)
endfunction()
