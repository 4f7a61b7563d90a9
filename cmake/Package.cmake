# The Debian package of the editor and the command-line tool, built by
# `cmake --preset package && cmake --build --preset package`. Its library
# dependencies are read from the binaries by dpkg-shlibdeps, so they name
# the Debian packages (Qt 6, RtMidi) of the system that built it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravlo)
set(CPACK_PACKAGE_VENDOR Quorvik)
set(CPACK_PACKAGE_CONTACT Quorvik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and librarian for XG MIDI tone generators")
set(CPACK_PACKAGE_DESCRIPTION
    "Ravlo keeps a complete image of one XG synthesizer's editable state and sends every edit\n"
    "to it at once. It opens .syx files and the sysex of .mid files, converts QS300 voice\n"
    "banks (.q3v), saves the image as .syx and reviews a save as text. ravlo-cli runs the\n"
    "same core without a window, for scripting and batch work.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time, so the library scan does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3")
# The built-in sound plays on the General MIDI SoundFont Debian's default-GM names.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
