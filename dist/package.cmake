# The portable archive: the program folder with the Qt libraries and plugins, the CJK font,
# a launcher, a desktop entry and an icon. `cpack` in the build folder writes it.

set_target_properties(exam exam-bank PROPERTIES INSTALL_RPATH "$ORIGIN/lib")
install(TARGETS exam exam-bank RUNTIME DESTINATION .)
install(FILES ${PROGRAM_FOLDER}/data.mdb ${PROGRAM_FOLDER}/Security.mdw ${PROGRAM_FOLDER}/system.ini
        DESTINATION .)
install(DIRECTORY ${PROGRAM_FOLDER}/upload ${PROGRAM_FOLDER}/html DESTINATION .)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/exam.desktop ${CMAKE_CURRENT_LIST_DIR}/qt.conf
              ${PROJECT_SOURCE_DIR}/assets/exam.png DESTINATION .)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/exam.sh DESTINATION .)
set(QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
find_file(XCB_PLUGIN libqxcb.so PATHS ${QT_PLUGINS}/platforms NO_DEFAULT_PATH REQUIRED)
find_file(OFFSCREEN_PLUGIN libqoffscreen.so PATHS ${QT_PLUGINS}/platforms NO_DEFAULT_PATH REQUIRED)
find_file(SQLITE_PLUGIN libqsqlite.so PATHS ${QT_PLUGINS}/sqldrivers NO_DEFAULT_PATH REQUIRED)
install(FILES ${XCB_PLUGIN} ${OFFSCREEN_PLUGIN} DESTINATION plugins/platforms)
install(FILES ${SQLITE_PLUGIN} DESTINATION plugins/sqldrivers)
find_file(CJK_FONT wqy-zenhei.ttc PATHS /usr/share/fonts/truetype/wqy NO_DEFAULT_PATH)
find_file(SONG_FONT uming.ttc PATHS /usr/share/fonts/truetype/arphic NO_DEFAULT_PATH)
foreach(font IN ITEMS "${CJK_FONT}" "${SONG_FONT}")
    if(font)
        install(FILES ${font} DESTINATION fonts)
    endif()
endforeach()

# Every library the program and its plugins need, but for the C library, the graphics stack
# and the X client libraries that every desktop has.
install(CODE "set(XCB_PLUGIN \"${XCB_PLUGIN}\")\nset(OFFSCREEN_PLUGIN \"${OFFSCREEN_PLUGIN}\")\nset(SQLITE_PLUGIN \"${SQLITE_PLUGIN}\")")
install(CODE [[
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES "$<TARGET_FILE:exam>" "$<TARGET_FILE:exam-bank>"
        LIBRARIES "${XCB_PLUGIN}" "${OFFSCREEN_PLUGIN}" "${SQLITE_PLUGIN}"
        RESOLVED_DEPENDENCIES_VAR deps
        UNRESOLVED_DEPENDENCIES_VAR missing
        POST_EXCLUDE_REGEXES
            ".*/(ld-linux|libc|libm|libdl|libpthread|librt|libresolv|libgcc_s|libstdc\\+\\+)[.-].*"
            ".*/lib(GL|GLX|EGL|GLdispatch|drm|gbm)[.-].*"
            ".*/lib(X11|Xau|Xdmcp|xcb|X11-xcb)\\.so.*"
            ".*/lib(fontconfig|freetype|expat|z|bz2|png16|brotli[a-z]*)\\.so.*")
    if(missing)
        message(FATAL_ERROR "libraries not found: ${missing}")
    endif()
    foreach(dep IN LISTS deps)
        file(INSTALL "${dep}" DESTINATION "${CMAKE_INSTALL_PREFIX}/lib" FOLLOW_SYMLINK_CHAIN)
    endforeach()
]])

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME exam-trainer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME linux-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
