# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh builds and packs) makes
# kadrillo_<version>-1_<arch>.deb of everything `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kadrillo)
set(CPACK_PACKAGE_VENDOR "The Kadrillo developers")
set(CPACK_PACKAGE_CONTACT "The Kadrillo developers <maintainers@kadrillo.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browse and extract Starsiege volume files")
set(CPACK_PACKAGE_DESCRIPTION
  "Kadrillo is a desktop tool for people who mod the game Starsiege. It opens\n"
  "the game's .vol archives, one tab each, lists their objects, extracts them,\n"
  "previews pictures, sounds and scripts, converts the game's PBMP pictures to\n"
  "Windows bitmaps with the right palette and pulls palettes out of palette\n"
  "lists. It drives the game's own command-line tools through Wine, and has a\n"
  "command-line mode for listing, extracting and converting without a window.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs load or start at run time, which the linked libraries do not tell: the window
# system plug-ins, the SVG plug-in that draws the icon, the GStreamer plug-ins that parse and play WAV
# for Qt Multimedia's GStreamer back-end (in libqt6multimedia6, which the linked library brings), the
# tools that refresh the MIME and desktop databases, and the condensed face of the desktop's usual font,
# in which the captions of the fixed layouts fit at 8 points or more.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, shared-mime-info, desktop-file-utils, fonts-dejavu-extra")
# Wine runs the game's tools; Qt's own catalogues give its standard buttons the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wine, qt6-translations-l10n")
include(CPack)
