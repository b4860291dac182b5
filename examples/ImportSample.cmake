# Imports the sample GEDCOM file; any fault in the import report fails the build,
# because the sample is ours and must import cleanly.
execute_process(COMMAND ${IMPORTER} ${GEDCOM} ${PROJECT}
    RESULT_VARIABLE status ERROR_VARIABLE report OUTPUT_VARIABLE summary)
message(STATUS "${summary}")
if(NOT status EQUAL 0 OR NOT report STREQUAL "")
    message(FATAL_ERROR "the sample GEDCOM file did not import cleanly:\n${report}")
endif()
