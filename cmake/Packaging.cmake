# The Debian package of both programs: `cpack -G DEB` in the build folder
# (scripts/package) writes package/kirabellum_VERSION_ARCH.deb from what
# `cmake --install` installs under /usr.

set(CPACK_PACKAGE_NAME kirabellum)
set(CPACK_PACKAGE_VENDOR "Kirabellum developers")
set(CPACK_PACKAGE_CONTACT
    "Kirabellum maintainers <maintainers@users.noreply.c-seed-4989bc8b.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "firework-burst effect designer and sprite post-processor")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the programs link come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Wayland sessions need Qt's Wayland plugin (X11's is in libqt6gui6), and the
# windows speak Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic")
# The long description, under the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kirabellum designs firework-burst particle effects for game artists: up to
eight particle layers with their burst shapes, spark images and a colour ramp,
three gravity forces. It renders a design frame by frame into one sprite strip,
plays it back and saves it as a bitmap or as a sheet for a game engine.
.
Koratune post-processes such strips: overlay, playback, mirroring, hue and
saturation, and re-layout into sheets or numbered frame sequences.
.
Both programs have Japanese windows and an English command line that needs no
display.")

include(CPack)
