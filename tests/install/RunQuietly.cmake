# Runs COMMAND (a list) and fails when it fails or says anything on standard error, where
# man and the shells report what they find.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "${COMMAND} exited with ${status}\n${err}")
endif()
