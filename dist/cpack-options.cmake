# Read by cpack for each generator: the Debian package installs the system component under
# /usr, stripped; the archive holds the portable program folder.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_EXAM_BUILD_DIR};exam;system;/")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_EXAM_BUILD_DIR};exam;portable;/")
endif()
