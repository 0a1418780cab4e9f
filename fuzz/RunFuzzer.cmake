# Runs one fuzz target over a working corpus that starts from the committed seeds, so the
# repository is never written. Arguments (-D): FUZZER, SEEDS, WORK, ARTIFACTS, and SECONDS
# (default: the FUZZ_SECONDS environment variable, else 60); FRESH=ON empties WORK first.
if(NOT DEFINED SECONDS)
    set(SECONDS $ENV{FUZZ_SECONDS})
endif()
if(NOT SECONDS)
    set(SECONDS 60)
endif()
if(FRESH)
    file(REMOVE_RECURSE ${WORK})
endif()
file(MAKE_DIRECTORY ${WORK} ${ARTIFACTS})
file(COPY ${SEEDS}/ DESTINATION ${WORK})

execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -print_final_stats=1 -artifact_prefix=${ARTIFACTS}/
        ${WORK}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a fault (exit status ${result}); the input that shows it is in ${ARTIFACTS}")
endif()
