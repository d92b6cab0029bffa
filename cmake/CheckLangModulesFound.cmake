# Starts the built program once in each module language, as a user who chose
# it before, and fails when the log says a language module was missing or
# faulty: the modules must stand where the program looks for them.
#   cmake -DPROGRAM=... -DSAMPLE=... -DWORK_DIR=... -P CheckLangModulesFound.cmake
foreach(lang IN ITEMS Fr Ge It)
    set(home "${WORK_DIR}/${lang}")
    file(REMOVE_RECURSE "${home}")
    file(WRITE "${home}/config/Quillborn/Stemmark.ini" "[General]\nLang=${lang}\n")
    set(ENV{XDG_CONFIG_HOME} "${home}/config")
    set(ENV{XDG_STATE_HOME} "${home}/state")
    set(ENV{QT_QPA_PLATFORM} offscreen)
    execute_process(COMMAND "${PROGRAM}" --quit-after-start "${SAMPLE}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${lang}: the program ended with ${result}")
    endif()
    set(log "")
    if(EXISTS "${home}/state/Stemmark/Stemmark.log")
        file(READ "${home}/state/Stemmark/Stemmark.log" log)
    endif()
    if(log MATCHES "Language module")
        message(FATAL_ERROR "${lang}: ${log}")
    endif()
endforeach()
message(STATUS "the French, German and Italian modules were found")
