# The Debian package: `cpack -G DEB` in a build directory (best a release build
# without sanitizers, as `./dev.sh package` makes it). It is a native package, made
# from this tree with no packaging of its own, so its version is the project's and
# its changelog is desktop/changelog.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME woerterbuch)
set(CPACK_PACKAGE_VENDOR "The Wörterbuch developers")
set(CPACK_PACKAGE_CONTACT "The Wörterbuch developers <woerterbuch@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://woerterbuch.example.org)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English-German dictionary for the desktop")
# CPack puts the summary first and indents the rest; an empty line parts paragraphs.
set(CPACK_PACKAGE_DESCRIPTION
    "Type the beginning of an English or a German word and the window lists every
headword that starts with it, with its translations. The vocabulary of 65,535
English and 65,535 German headwords is compiled from the Ding word list.

The companion command woerterbuch-dict answers the same lookups in a terminal
and builds a vocabulary of your own from a word list.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The libraries come from the binaries (dpkg-shlibdeps, from dpkg-dev). The fonts the
# windows are drawn with do not show up there: they are the ones the developer set-up
# installs, read from dev.sh's PACKAGES so that the two lists cannot drift apart.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
function(wb_font_packages result)
    file(READ ${PROJECT_SOURCE_DIR}/dev.sh script)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dev.sh)
    string(REGEX MATCH "\nPACKAGES=\\(([^)]*)\\)" array "${script}")
    string(REGEX MATCHALL "fonts-[a-z0-9.+-]+" fonts "${CMAKE_MATCH_1}")
    list(PREPEND fonts fonts-liberation fonts-dejavu-core)
    list(REMOVE_DUPLICATES fonts)
    set(${result} ${fonts} PARENT_SCOPE)
endfunction()
wb_font_packages(WB_FONT_PACKAGES)
# Nor does the catalogue Qt's own texts (the text fields' menu, the names of keys) are
# translated into German from; the program loads it at start.
set(WB_TRANSLATION_PACKAGES qt6-translations-l10n)
# Nor does Qt's Wayland plugin, which the program loads on a Wayland desktop; without it
# Qt falls back to XWayland, where the selection of Wayland programs is not seen.
set(WB_PLUGIN_PACKAGES qt6-wayland)
set(depends ${WB_FONT_PACKAGES} ${WB_TRANSLATION_PACKAGES} ${WB_PLUGIN_PACKAGES})
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
