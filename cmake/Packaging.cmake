# What `make install` puts where, and the Debian package CPack builds from it.
# Destinations are relative to the prefix, so one build serves both
# `cmake --install --prefix` and the package's /usr.
include(GNUInstallDirs)

set(SONARA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)

if(TARGET sonara AND TARGET sonara-cli)
  install(TARGETS sonara sonara-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${SONARA_DESKTOP_DIR}/sonara.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SONARA_DESKTOP_DIR}/sonara-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME sonara.xml)
install(FILES ${SONARA_DESKTOP_DIR}/io.sonara.Sonara.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(SONARA_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/sonara)
install(FILES ${SONARA_DESKTOP_DIR}/copyright DESTINATION ${SONARA_PACKAGE_DOCDIR})

# Man pages and the changelog go compressed, as Debian's policy asks (man and
# zless read them so); -n keeps the package reproducible.
set(SONARA_COMPRESSED_OUTPUTS)
function(sonara_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_BINARY_DIR}/data/packaging/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/data/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  install(FILES ${copy}.gz DESTINATION ${destination})
  set(SONARA_COMPRESSED_OUTPUTS ${SONARA_COMPRESSED_OUTPUTS} ${copy}.gz PARENT_SCOPE)
endfunction()
sonara_compressed(${PROJECT_SOURCE_DIR}/data/man/sonara.1 ${CMAKE_INSTALL_MANDIR}/man1)
sonara_compressed(${PROJECT_SOURCE_DIR}/data/man/sonara-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
sonara_compressed(${SONARA_DESKTOP_DIR}/changelog ${SONARA_PACKAGE_DOCDIR})
add_custom_target(sonara_package_files ALL DEPENDS ${SONARA_COMPRESSED_OUTPUTS})

if(EXISTS ${PROJECT_SOURCE_DIR}/data/help)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sonara/help)
endif()
# Drawn by the build; a tree that has not drawn them installs without them.
if(NOT DEFINED SONARA_ICONS_OUTPUT)
  set(SONARA_ICONS_OUTPUT ${CMAKE_BINARY_DIR}/data/icons)
endif()
install(DIRECTORY ${SONARA_ICONS_OUTPUT}/hicolor/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
        OPTIONAL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sonara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sonara developers")
set(CPACK_PACKAGE_CONTACT "Sonara developers <dev@sonara.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music library manager and MP3 jukebox")
set(CPACK_PACKAGE_DESCRIPTION
    "Sonara keeps a library of your MP3 files across folders, disks and removable
media, finds songs fast, queues and plays them, and tidies your collection
with its tools. The package holds the desktop program, sonara, and its
command-line companion, sonara-cli.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Playback needs a PulseAudio-protocol sound server, help opens through
# xdg-open, the built-in skins set their texts in DejaVu Sans. The desktop,
# MIME and icon caches are refreshed by those packages' own dpkg triggers.
# MTP players open for a desktop user through libmtp-runtime's udev rules.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils, fonts-dejavu-core, libmtp-runtime")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)

# The installed desktop files and man pages, checked with the desktop's own
# tools; `make package-check` checks the package itself.
if(SONARA_TESTS AND TARGET sonara AND TARGET sonara-cli)
  add_test(NAME package.DesktopFiles
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-desktop-files ${PROJECT_SOURCE_DIR}
                   $<TARGET_FILE:sonara> $<TARGET_FILE:sonara-cli>)
endif()
