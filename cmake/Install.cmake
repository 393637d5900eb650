# The installed program: bin/vexolan with its data folder (VEXOLAN_DATA_FOLDER) beside it, the
# desktop entry, the Mech file type, the icon in the hicolor theme, the AppStream metadata, the
# manual page, and the copyright and changelog files of the Debian package. The help viewer finds
# its file through the program's own folder (bin/../share/vexolan), so the two folders keep these
# names whatever the prefix.

include(${CMAKE_CURRENT_LIST_DIR}/ReleaseVersion.cmake)
if(NOT TARGET vexolan)
    return()
endif()

# One id names the desktop entry, the icon and the metadata, as software centres expect.
set(VEXOLAN_APP_ID org.vexolan.Vexolan)
set(VEXOLAN_BIN_DIR bin)
set(VEXOLAN_SHARE_DIR share)

install(TARGETS vexolan RUNTIME DESTINATION ${VEXOLAN_BIN_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/Vexo.html DESTINATION ${VEXOLAN_DATA_FOLDER})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VEXOLAN_APP_ID}.desktop
    DESTINATION ${VEXOLAN_SHARE_DIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VEXOLAN_APP_ID}.metainfo.xml
    DESTINATION ${VEXOLAN_SHARE_DIR}/metainfo)

# Mech files (*.vexmech) are a type of their own, which the desktop entry opens.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VEXOLAN_APP_ID}.mime.xml
    DESTINATION ${VEXOLAN_SHARE_DIR}/mime/packages RENAME ${VEXOLAN_APP_ID}.xml)

# The manual page and the changelog go compressed the way Debian wants them: gzip -9n, with no
# name or time stamp inside, so that two builds give the same bytes.
find_program(VEXOLAN_GZIP gzip REQUIRED)
set(VEXOLAN_DOCUMENTS ${CMAKE_BINARY_DIR}/documents)
configure_file(${PROJECT_SOURCE_DIR}/packaging/vexolan.1.in ${VEXOLAN_DOCUMENTS}/vexolan.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${VEXOLAN_DOCUMENTS}/changelog COPYONLY)
foreach(document vexolan.1 changelog)
    add_custom_command(OUTPUT ${VEXOLAN_DOCUMENTS}/${document}.gz
        COMMAND ${VEXOLAN_GZIP} -9nf ${document}
        WORKING_DIRECTORY ${VEXOLAN_DOCUMENTS}
        DEPENDS ${VEXOLAN_DOCUMENTS}/${document})
    list(APPEND VEXOLAN_COMPRESSED ${VEXOLAN_DOCUMENTS}/${document}.gz)
endforeach()
add_custom_target(vexolan_documents ALL DEPENDS ${VEXOLAN_COMPRESSED})
install(FILES ${VEXOLAN_DOCUMENTS}/vexolan.1.gz DESTINATION ${VEXOLAN_SHARE_DIR}/man/man1)
install(FILES ${VEXOLAN_DOCUMENTS}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
    DESTINATION ${VEXOLAN_SHARE_DIR}/doc/vexolan)

set(VEXOLAN_ICON_DIR ${VEXOLAN_SHARE_DIR}/icons/hicolor)
foreach(size 16 32 48)
    install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/vexolan-${size}.png
        DESTINATION ${VEXOLAN_ICON_DIR}/${size}x${size}/apps RENAME ${VEXOLAN_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/vexolan.svg
    DESTINATION ${VEXOLAN_ICON_DIR}/scalable/apps RENAME ${VEXOLAN_APP_ID}.svg)

# The installation is checked by installing it into a scratch prefix: layout, start-up, and the
# desktop entry and metadata through their validators (skipped where those are not installed).
if(VEXOLAN_BUILD_TESTS)
    set(VEXOLAN_INSTALL_CHECK ${PROJECT_SOURCE_DIR}/tests/install/check_install.sh)
    foreach(check layout desktop metainfo mime)
        add_test(NAME install.${check}
            COMMAND ${VEXOLAN_INSTALL_CHECK} ${check} ${CMAKE_BINARY_DIR} ${VEXOLAN_APP_ID}
                ${VEXOLAN_RELEASE_VERSION})
        set_tests_properties(install.${check} PROPERTIES LABELS install SKIP_RETURN_CODE 77)
    endforeach()
endif()
