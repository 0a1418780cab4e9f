# Installs the build into STAGE as a packager would (DESTDIR) and fails when a file of
# EXPECTED (paths under the prefix) is missing.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed with ${status}")
endif()
foreach(file IN LISTS EXPECTED)
    if(NOT EXISTS ${STAGE}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
