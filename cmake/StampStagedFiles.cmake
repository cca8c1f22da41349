# Run by CPack between staging the install tree and packing it: with
# SOURCE_DATE_EPOCH set (tools/package.sh sets it to the last commit's time),
# every staged file and folder takes that time, so no build or checkout time
# reaches the archives and two builds of one commit give the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
execute_process(
    COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the staged files in ${CPACK_TEMPORARY_DIRECTORY} could not take the "
                        "time $ENV{SOURCE_DATE_EPOCH}: ${failed}")
endif()
