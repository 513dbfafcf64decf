# Installing and packaging Lumoscope Lite: the version header every program prints, what
# `cmake --install` puts beside the programs (the simulator, man pages, bash completion,
# icons, AppStream metainfo, the guide and the example lists), and the Debian package that
# CPack builds from that install (`make package`). Included at the end of the top-level
# CMakeLists.txt, when every program's target exists.
include(GNUInstallDirs)

set(LUMOSCOPE_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(LUMOSCOPE_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(LUMOSCOPE_APPSTREAM_ID org.lumoscope.lite)
set(LUMOSCOPE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lumoscope)
set(LUMOSCOPE_MAINTAINER "Lumoscope Lite developers <lumoscope@example.org>")

# ---------------------------------------------------------------------------
# The version: the newest release of CHANGELOG.md (cmake/Changelog.cmake), which
# project(... VERSION) takes.
configure_file(${LUMOSCOPE_PACKAGING_DIR}/Version.h.in ${PROJECT_BINARY_DIR}/generated/lumoscope/Version.h
               @ONLY)
add_library(lumoscope_version INTERFACE)
target_include_directories(lumoscope_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
foreach(program IN ITEMS lumoscope lumoscope-cli receiver-sim)
  if(TARGET ${program})
    target_link_libraries(${program} PRIVATE lumoscope_version)
  endif()
endforeach()

# ---------------------------------------------------------------------------
# Installed beside the programs.
if(TARGET receiver-sim)
  # The simulator keeps its short name in the build folder; in /usr/bin it needs one that
  # cannot clash with another package's program.
  install(PROGRAMS $<TARGET_FILE:receiver-sim> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME lumoscope-receiver-sim)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/lumoscope-receiver-sim\")
    endif()")
endif()

# The package's changelog is made from CHANGELOG.md. It and the man pages go in compressed,
# made without a time stamp so that two builds of the same sources give the same package.
add_custom_command(
  OUTPUT ${LUMOSCOPE_PACKAGING_OUT}/changelog
  COMMAND bash ${LUMOSCOPE_PACKAGING_DIR}/debian-changelog.sh ${LUMOSCOPE_CHANGELOG} lumoscope ${LUMOSCOPE_MAINTAINER}
          ${LUMOSCOPE_PACKAGING_OUT}/changelog
  DEPENDS ${LUMOSCOPE_CHANGELOG} ${LUMOSCOPE_PACKAGING_DIR}/debian-changelog.sh
  VERBATIM)
set(man_pages lumoscope-cli.1 lumoscope-receiver-sim.1)
if(TARGET lumoscope)
  list(APPEND man_pages lumoscope.1)
endif()
set(compressed_files)
foreach(source IN LISTS man_pages ITEMS changelog)
  if(source STREQUAL "changelog")
    set(from ${LUMOSCOPE_PACKAGING_OUT}/changelog)
  else()
    set(from ${LUMOSCOPE_PACKAGING_DIR}/man/${source})
  endif()
  add_custom_command(
    OUTPUT ${LUMOSCOPE_PACKAGING_OUT}/${source}.gz
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${from} ${LUMOSCOPE_PACKAGING_OUT}/${source}.gz
    DEPENDS ${from}
    VERBATIM)
  list(APPEND compressed_files ${LUMOSCOPE_PACKAGING_OUT}/${source}.gz)
endforeach()
add_custom_target(lumoscope_packaging_files ALL DEPENDS ${compressed_files})
list(TRANSFORM man_pages PREPEND ${LUMOSCOPE_PACKAGING_OUT}/)
list(TRANSFORM man_pages APPEND .gz)
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LUMOSCOPE_PACKAGING_OUT}/changelog.gz ${LUMOSCOPE_PACKAGING_DIR}/copyright
        DESTINATION ${LUMOSCOPE_DOC_DIR})

install(FILES ${LUMOSCOPE_PACKAGING_DIR}/lumoscope-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lumoscope-cli)

# The guide and its pictures; the architecture is for developers of the sources.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${LUMOSCOPE_DOC_DIR} FILES_MATCHING PATTERN "*.md"
                                                                                PATTERN "*.png"
                                                                                PATTERN "architecture.md" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${LUMOSCOPE_DOC_DIR}/examples FILES_MATCHING
        PATTERN "*.txt" PATTERN "*.conf")

if(TARGET lumoscope)
  # The scalable icon and the menu entry are installed with the program (ui/); these are
  # the fixed sizes for desktops that do not scale SVG, and the software centre's entry.
  install(DIRECTORY ${LUMOSCOPE_PACKAGING_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  configure_file(${LUMOSCOPE_PACKAGING_DIR}/lumoscope.metainfo.xml.in
                 ${LUMOSCOPE_PACKAGING_OUT}/${LUMOSCOPE_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${LUMOSCOPE_PACKAGING_OUT}/${LUMOSCOPE_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# ---------------------------------------------------------------------------
# The completion and the man page of lumoscope-cli follow its --help.
add_test(NAME cli_completion_matches_help
         COMMAND bash ${LUMOSCOPE_PACKAGING_DIR}/completion-test.sh $<TARGET_FILE:lumoscope-cli>
                 ${LUMOSCOPE_PACKAGING_DIR}/lumoscope-cli.bash-completion ${LUMOSCOPE_PACKAGING_DIR}/man/lumoscope-cli.1)

# The screenshots of the guide (scripts/screenshots.sh runs the tool).
if(TARGET lumoscope_ui)
  add_subdirectory(${PROJECT_SOURCE_DIR}/ui/screenshots ${PROJECT_BINARY_DIR}/ui/screenshots)
endif()

# ---------------------------------------------------------------------------
# The Debian package: `cpack -G DEB` in the build folder, after the build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumoscope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumoscope Lite developers")
set(CPACK_PACKAGE_CONTACT ${LUMOSCOPE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel list editor for digital and analog satellite receivers")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumoscope Lite edits the channel list of a satellite receiver (a set-top box)
connected by a serial cable. It checks the list kept as a sectioned text
file, edits its channels with undo, compiles it into the receiver's images,
downloads an image into the receiver's flash memory and uploads the list the
receiver holds.
.
The package holds the desktop program lumoscope, the command line tool
lumoscope-cli for batch work, and lumoscope-receiver-sim, which plays a
receiver on a pseudo-terminal for trying everything without one.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Dependencies are what the built programs link, as dpkg-shlibdeps finds them. The DVB
# scan tables are data the transponder import offers when they are there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS dtv-scan-tables)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
