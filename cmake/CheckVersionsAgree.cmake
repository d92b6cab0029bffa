# Fails when a place that names the program's version names another than the
# project's: the About box, the Debian package and the AppStream release.
#   cmake -DSOURCE_DIR=... -DVERSION=... -P CheckVersionsAgree.cmake
set(places
    "src/gui/app/AboutDlg.cpp|QStringLiteral\\(\" ([0-9.]+)\"\\)"
    "packaging/debian/changelog|^stemmark \\(([0-9.]+)\\)"
    "resources/metainfo/io.github.quillborn.stemmark.metainfo.xml|<release version=\"([0-9.]+)\"")
set(mismatches "")
foreach(place IN LISTS places)
    string(REPLACE "|" ";" parts "${place}")
    list(GET parts 0 file)
    list(GET parts 1 pattern)
    file(READ "${SOURCE_DIR}/${file}" text)
    # The first match is the newest: a changelog and the releases list newest first.
    if(NOT text MATCHES "${pattern}")
        list(APPEND mismatches "${file}: no version found")
    elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
        list(APPEND mismatches "${file}: ${CMAKE_MATCH_1}")
    endif()
endforeach()
if(mismatches)
    list(JOIN mismatches "\n" report)
    message(FATAL_ERROR "The project's version is ${VERSION}, but:\n${report}")
endif()
message(STATUS "About box, package and AppStream release all say ${VERSION}")
