include(GoogleTest)

# quorrel_add_test(NAME SOURCES file... LIBS lib... [QT])
# One GoogleTest executable; QT gives it a QApplication on the offscreen platform.
function(quorrel_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE quorrel_qttestmain)
    else()
        target_link_libraries(${name} PRIVATE quorrel_testmain)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
