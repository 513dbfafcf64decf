# The version of the project is the newest release of CHANGELOG.md: a heading
# "## [1.2.0] - 2026-12-24" under "## [Unreleased]". Included before project(), so that
# CHANGELOG.md is the one place a version is written. Sets
#   LUMOSCOPE_CHANGELOG       the path of CHANGELOG.md
#   LUMOSCOPE_VERSION         its newest release, e.g. 1.2.0
#   LUMOSCOPE_RELEASE_DATE    that release's day, e.g. 2026-12-24
# The Debian package's changelog is made from the same file (packaging/debian-changelog.sh).
set(LUMOSCOPE_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md)
cmake_path(NORMAL_PATH LUMOSCOPE_CHANGELOG)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LUMOSCOPE_CHANGELOG})

set(release_heading "^## \\[([0-9]+\\.[0-9]+\\.[0-9]+)\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
file(STRINGS ${LUMOSCOPE_CHANGELOG} releases REGEX "${release_heading}" LIMIT_COUNT 1)
if(NOT releases MATCHES "${release_heading}")
  message(FATAL_ERROR "CHANGELOG.md names no release: add a heading such as \"## [1.0.0] - 2026-01-31\" "
                      "below \"## [Unreleased]\".")
endif()
set(LUMOSCOPE_VERSION ${CMAKE_MATCH_1})
set(LUMOSCOPE_RELEASE_DATE ${CMAKE_MATCH_2})
