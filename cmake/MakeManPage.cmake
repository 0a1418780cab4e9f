# Turns one scdoc page into roff, and a copy compressed the way Debian asks (best, no name or time).
# Called with -DSCDOC -DGZIP -DSOURCE -DOUTPUT.
execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "scdoc failed on ${SOURCE}")
endif()
execute_process(COMMAND ${GZIP} -9 -n -c ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${OUTPUT}")
endif()
