# Where every file goes under the install prefix, as desktops, shells and man expect.
include(GNUInstallDirs)

install(TARGETS quandrel-pass RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# A Debian package carries the licence in its copyright file instead (cmake/Packaging.cmake).
if(NOT QUANDREL_DEBIAN_DOCS)
    install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(QUANDREL_DATA_DIR ${PROJECT_SOURCE_DIR}/data)
set(QUANDREL_GENERATED_DATA_DIR ${PROJECT_BINARY_DIR}/data)

# Manual pages, written in scdoc and installed compressed. Without scdoc the rest still builds
# and installs; only the pages are left out.
find_program(SCDOC scdoc)
find_program(GZIP gzip REQUIRED)
if(SCDOC)
    set(QUANDREL_MAN_PAGES quandrel-pass)
    if(QUANDREL_BUILD_GUI)
        list(APPEND QUANDREL_MAN_PAGES quandrel)
    endif()
else()
    message(WARNING "scdoc was not found: the manual pages are not built or installed")
    set(QUANDREL_MAN_PAGES)
endif()
set(QUANDREL_MAN_OUTPUTS)
foreach(page IN LISTS QUANDREL_MAN_PAGES)
    set(source ${QUANDREL_DATA_DIR}/man/${page}.1.scd)
    set(output ${QUANDREL_GENERATED_DATA_DIR}/man/${page}.1)
    add_custom_command(OUTPUT ${output} ${output}.gz
        COMMAND ${CMAKE_COMMAND} -DSCDOC=${SCDOC} -DGZIP=${GZIP} -DSOURCE=${source} -DOUTPUT=${output}
            -P ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
        DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
        COMMENT "Writing the manual page ${page}(1)"
        VERBATIM)
    list(APPEND QUANDREL_MAN_OUTPUTS ${output})
    install(FILES ${output}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
if(QUANDREL_MAN_OUTPUTS)
    add_custom_target(man_pages ALL DEPENDS ${QUANDREL_MAN_OUTPUTS})
endif()

# Completions for quandrel-pass. zsh looks in vendor-completions for files of the system's
# packages, and in site-functions for the ones installed under /usr/local.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    set(QUANDREL_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
else()
    set(QUANDREL_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/site-functions)
endif()
install(FILES ${QUANDREL_DATA_DIR}/completions/quandrel-pass.bash
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quandrel-pass)
install(FILES ${QUANDREL_DATA_DIR}/completions/_quandrel-pass DESTINATION ${QUANDREL_ZSH_COMPLETION_DIR})
install(FILES ${QUANDREL_DATA_DIR}/completions/quandrel-pass.fish
    DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

if(QUANDREL_BUILD_GUI)
    install(TARGETS quandrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    # The desktop entry and the metainfo take the application's id as their file name.
    set(QUANDREL_DESKTOP_ENTRY ${QUANDREL_GENERATED_DATA_DIR}/${QUANDREL_APP_ID}.desktop)
    set(QUANDREL_METAINFO ${QUANDREL_GENERATED_DATA_DIR}/${QUANDREL_APP_ID}.metainfo.xml)
    configure_file(${QUANDREL_DATA_DIR}/app.desktop.in ${QUANDREL_DESKTOP_ENTRY} @ONLY)
    configure_file(${QUANDREL_DATA_DIR}/app.metainfo.xml.in ${QUANDREL_METAINFO} @ONLY)
    install(FILES ${QUANDREL_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${QUANDREL_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Icons drawn by scripts/draw-pictures, one file per size.
    set(QUANDREL_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${QUANDREL_DATA_DIR}/icons/icon-${size}.png
            DESTINATION ${QUANDREL_ICON_DIR}/${size}x${size}/apps RENAME ${QUANDREL_APP_ID}.png)
    endforeach()
    install(FILES ${QUANDREL_DATA_DIR}/icons/icon.svg
        DESTINATION ${QUANDREL_ICON_DIR}/scalable/apps RENAME ${QUANDREL_APP_ID}.svg)
endif()
