# Fails when a file of the core library includes a Qt header: the core is
# standard C++ only, so the command-line tool and the tests need no Qt.
#   cmake -DCORE_DIR=... -P CheckNoQtInCore.cmake
file(GLOB_RECURSE files "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
set(offenders "")
foreach(file IN LISTS files)
    file(STRINGS "${file}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(hits)
        list(APPEND offenders "${file}: ${hits}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "Qt is included in the core library:\n${report}")
endif()
list(LENGTH files count)
message(STATUS "${count} core files, none includes Qt")
