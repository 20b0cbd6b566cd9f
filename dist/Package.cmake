# `cmake --build build --target package`: build/tolvane_VERSION_ARCH.deb, the `cmake --install`
# tree under /usr. Included from the top folder, where CPack must be set up.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane developers")
set(CPACK_PACKAGE_CONTACT "Tolvane developers <tolvane@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "rhyming dictionary with a verse editor for songwriters and poets")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tolvane.example.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The install step then sees the final prefix, which the menu entry names, and a staging DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The spelling dictionary and the thesaurus are linked to the system's copies (PackageData.cmake).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hunspell-en-us, mythes-en-us")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "dictd, dict-gcide")
# The extended description; CPack puts the summary above it and indents it.
set(CPACK_PACKAGE_DESCRIPTION
    "Type a word and docked panels show its rhymes, rhyming phrases and proper
nouns, sound-alike words by their endings (Roundex), lines of verse that end
in a rhyme, thesaurus entries and definitions from DICT servers and web
dictionaries. In Cadenzio mode the centre of the window is a verse editor
whose gutters count the syllables of every line, scan its stress and check it
against a chosen verse form.

Also included is tolvane-cli, which answers the same lookups in a terminal.")
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/dist/PackageData.cmake)
include(CPack)
