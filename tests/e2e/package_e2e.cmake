# Unpacks the release zip into FOLDER and runs the package test program there (under EMULATOR when
# given). Fails when there is no zip: tools/package makes it.
if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "no ${ZIP}: run tools/package first")
endif()
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${FOLDER}")
execute_process(COMMAND ${EMULATOR} "${HARNESS}" WORKING_DIRECTORY "${FOLDER}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the package test program failed (${result})")
endif()
