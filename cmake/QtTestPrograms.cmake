# lumoscope_add_qt_test_programs(<glob> <result variable> [LIBRARIES <targets>...])
#
# One Qt Test program per source file of the calling folder that matches <glob>, named
# ui_<file name> and linked with the window's library, Qt Test and the LIBRARIES given.
# The names of the new targets go into <result variable>.
function(lumoscope_add_qt_test_programs pattern result)
  cmake_parse_arguments(PROGRAMS "" "" "LIBRARIES" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
  set(targets)
  foreach(src ${sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(ui_${name} ${src})
    set_target_properties(ui_${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(ui_${name} PRIVATE lumoscope_ui Qt6::Test ${PROGRAMS_LIBRARIES})
    target_compile_options(ui_${name} PRIVATE ${LUMOSCOPE_WARNINGS})
    list(APPEND targets ui_${name})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()
