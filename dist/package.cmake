# Two packages from one build, each from its own install component:
#   cpack          the portable archive (component portable): the program folder with the Qt
#                  libraries and plugins, the CJK font, a launcher, a desktop entry and an icon;
#   cpack -G DEB   the Debian package (component system): the program installed read-only
#                  for every user, depending on Debian's Qt, libjpeg and fonts.
# dist/cpack-options.cmake hands each generator its component.

set_target_properties(exam exam-bank PROPERTIES INSTALL_RPATH "$ORIGIN/lib")
install(TARGETS exam exam-bank RUNTIME DESTINATION . COMPONENT portable)
install(FILES ${PROGRAM_FOLDER}/data.mdb ${PROGRAM_FOLDER}/Security.mdw ${PROGRAM_FOLDER}/system.ini
        DESTINATION . COMPONENT portable)
install(DIRECTORY ${PROGRAM_FOLDER}/upload ${PROGRAM_FOLDER}/html DESTINATION . COMPONENT portable)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/exam.desktop ${CMAKE_CURRENT_LIST_DIR}/qt.conf
              ${PROJECT_SOURCE_DIR}/assets/exam.png DESTINATION . COMPONENT portable)
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/exam.sh DESTINATION . COMPONENT portable)
set(QT_PLUGINS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
find_file(XCB_PLUGIN libqxcb.so PATHS ${QT_PLUGINS}/platforms NO_DEFAULT_PATH REQUIRED)
find_file(OFFSCREEN_PLUGIN libqoffscreen.so PATHS ${QT_PLUGINS}/platforms NO_DEFAULT_PATH REQUIRED)
find_file(SQLITE_PLUGIN libqsqlite.so PATHS ${QT_PLUGINS}/sqldrivers NO_DEFAULT_PATH REQUIRED)
install(FILES ${XCB_PLUGIN} ${OFFSCREEN_PLUGIN} DESTINATION plugins/platforms COMPONENT portable)
install(FILES ${SQLITE_PLUGIN} DESTINATION plugins/sqldrivers COMPONENT portable)
find_file(CJK_FONT wqy-zenhei.ttc PATHS /usr/share/fonts/truetype/wqy NO_DEFAULT_PATH)
find_file(SONG_FONT uming.ttc PATHS /usr/share/fonts/truetype/arphic NO_DEFAULT_PATH)
# The program's own Song face, cut by the build (missing when python3-fonttools is).
install(FILES ${PROGRAM_FOLDER}/fonts/exam-song.ttf DESTINATION fonts COMPONENT portable OPTIONAL)
foreach(font IN ITEMS "${CJK_FONT}" "${SONG_FONT}")
    if(font)
        install(FILES ${font} DESTINATION fonts COMPONENT portable)
    endif()
endforeach()

# Every library the program and its plugins need, but for the C library, the graphics stack
# and the X client libraries that every desktop has.
install(CODE "set(XCB_PLUGIN \"${XCB_PLUGIN}\")\nset(OFFSCREEN_PLUGIN \"${OFFSCREEN_PLUGIN}\")\nset(SQLITE_PLUGIN \"${SQLITE_PLUGIN}\")"
        COMPONENT portable)
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
]] COMPONENT portable)

# The Debian package, under /usr. The program folder is /usr/lib/exam-trainer; what does not
# depend on the architecture lives in /usr/share/exam-trainer and is linked from there.
set(DEB_PROGRAM lib/exam-trainer)
set(DEB_DATA share/exam-trainer)
set(DEB_SOURCE ${CMAKE_CURRENT_LIST_DIR}/deb)
install(TARGETS exam exam-bank RUNTIME DESTINATION ${DEB_PROGRAM} COMPONENT system)
install(FILES ${PROGRAM_FOLDER}/system.ini DESTINATION ${DEB_DATA} COMPONENT system)
install(DIRECTORY ${PROGRAM_FOLDER}/html DESTINATION ${DEB_DATA} COMPONENT system)
install(FILES ${PROGRAM_FOLDER}/fonts/exam-song.ttf DESTINATION ${DEB_DATA}/fonts COMPONENT system
        OPTIONAL)
install(PROGRAMS ${DEB_SOURCE}/exam-trainer DESTINATION bin COMPONENT system)
install(FILES ${DEB_SOURCE}/exam-trainer.desktop DESTINATION share/applications COMPONENT system)
install(FILES ${DEB_SOURCE}/example.hechuan_jiakao.exam_trainer.metainfo.xml
        DESTINATION share/metainfo COMPONENT system)
install(DIRECTORY ${DEB_SOURCE}/icons/ DESTINATION share/icons/hicolor COMPONENT system)
install(FILES ${DEB_SOURCE}/copyright DESTINATION share/doc/exam-trainer COMPONENT system)
install(CODE "set(SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")\nset(DEB_SOURCE \"${DEB_SOURCE}\")"
        COMPONENT system)
install(CODE [[
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    # The installed programs look for no libraries of their own.
    foreach(program exam exam-bank)
        file(RPATH_REMOVE FILE "${root}/lib/exam-trainer/${program}")
    endforeach()
    # A bank with an empty answer sheet, not the build folder's, which holds the last exam run.
    execute_process(COMMAND "$<TARGET_FILE:exam-bank>" build "${SOURCE_DIR}/bank"
                            "${root}/share/exam-trainer" OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    foreach(entry data.mdb Security.mdw system.ini upload html fonts)
        if(EXISTS "${root}/share/exam-trainer/${entry}")
            file(CREATE_LINK "../../share/exam-trainer/${entry}"
                 "${root}/lib/exam-trainer/${entry}" SYMBOLIC)
        endif()
    endforeach()
    file(MAKE_DIRECTORY "${root}/share/man/man1")
    execute_process(COMMAND gzip -9n INPUT_FILE "${DEB_SOURCE}/exam-trainer.1"
                    OUTPUT_FILE "${root}/share/man/man1/exam-trainer.1.gz" COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND gzip -9n INPUT_FILE "${DEB_SOURCE}/changelog"
                    OUTPUT_FILE "${root}/share/doc/exam-trainer/changelog.gz" COMMAND_ERROR_IS_FATAL ANY)
]] COMPONENT system)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME exam-trainer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME linux-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-options.cmake)
set(CPACK_EXAM_BUILD_DIR ${CMAKE_BINARY_DIR})

set(CPACK_PACKAGE_CONTACT "Exam Trainer Developers <developers@hechuan-jiakao.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.hechuan-jiakao.example/)
# The libraries (Qt, with the X11 platform plugin in libqt6gui6, and libjpeg) come from
# dpkg-shlibdeps; the SQLite driver and the fonts are loaded by name, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-wqy-zenhei, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "trainer for the Chinese driving-licence theory exam
A desktop trainer for the theory part of the Chinese motor-vehicle
driving-licence examination: timed 100-question mock exams that imitate the
examination-room terminal and are answered from the numeric keypad, the review
of the wrong answers, the question bank by category with answers and
explanations, the most-missed questions and three reference pages. Every text
the learner sees is Simplified Chinese.
.
Each user of the computer gets a program folder of their own, with their own
answers and settings.")
include(CPack)
