# The one time that everything the build writes down carries: SOURCE_DATE_EPOCH from the
# environment, or else the time of the last commit, so that two builds of one tree agree.
# Sets TEILERWERK_SOURCE_DATE_EPOCH and exports it for string(TIMESTAMP).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(TEILERWERK_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(Git_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE TEILERWERK_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        # A new commit or checkout moves HEAD: configure again to pick up its time.
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute --git-path logs/HEAD
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(EXISTS "${head_log}")
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
        endif()
    endif()
    if(NOT TEILERWERK_SOURCE_DATE_EPOCH)
        message(WARNING "Neither SOURCE_DATE_EPOCH nor a git commit: the package carries the build time")
    endif()
endif()
if(TEILERWERK_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} ${TEILERWERK_SOURCE_DATE_EPOCH})
endif()
