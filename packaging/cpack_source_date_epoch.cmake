# cpack runs long after configure and may not see its environment: hand it the configured time,
# which CPack then writes as the time of every member of the package's archives.
if(CPACK_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_SOURCE_DATE_EPOCH})
endif()
