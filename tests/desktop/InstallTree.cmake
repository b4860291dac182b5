# Installs the build into PREFIX and checks the tree; run by ctest.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(status)
    message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

foreach(file
        ${BINDIR}/quorrel
        ${BINDIR}/quorrel-import-gedcom
        ${LIBDIR}/libkxdata.so
        ${INCLUDEDIR}/kxdata.h
        ${DATADIR}/applications/quorrel.desktop
        ${DATADIR}/mime/packages/quorrel.xml
        ${DATADIR}/icons/hicolor/scalable/apps/quorrel.svg
        ${DATADIR}/icons/hicolor/48x48/apps/quorrel.png
        ${MANDIR}/man1/quorrel.1
        ${DATADIR}/doc/quorrel/manual.md
        ${DATADIR}/doc/quorrel/command-files.md)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The program starts from the tree, and takes the library installed beside it.
execute_process(COMMAND env -u LD_LIBRARY_PATH ${PREFIX}/${BINDIR}/quorrel --version
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
if(status OR NOT out MATCHES "${VERSION}")
    message(FATAL_ERROR "the installed program does not start: ${status} ${out} ${errors}")
endif()
execute_process(COMMAND ldd ${PREFIX}/${BINDIR}/quorrel OUTPUT_VARIABLE libraries)
string(REGEX MATCH "libkxdata.so => [^ ]+" found "${libraries}")
file(REAL_PATH "${PREFIX}/${LIBDIR}/libkxdata.so" installed)
string(REPLACE "libkxdata.so => " "" found "${found}")
if(NOT found)
    message(FATAL_ERROR "libkxdata.so is not found: ${libraries}")
endif()
file(REAL_PATH "${found}" found)
if(NOT found STREQUAL installed)
    message(FATAL_ERROR "the program takes ${found}, not the installed ${installed}")
endif()

if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/${DATADIR}/applications/quorrel.desktop
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
    if(status OR out OR errors)
        message(FATAL_ERROR "quorrel.desktop: ${out}${errors}")
    endif()
endif()
if(XMLLINT)
    execute_process(COMMAND ${XMLLINT} --noout ${PREFIX}/${DATADIR}/mime/packages/quorrel.xml
        ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/quorrel.svg
        RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(status)
        message(FATAL_ERROR "the desktop XML files: ${errors}")
    endif()
endif()
