# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder makes lexiwren_<version>-1_<arch>.deb
# from what cmake/Install.cmake places, installed under /usr.
set(CPACK_PACKAGE_NAME lexiwren)
set(CPACK_PACKAGE_VENDOR "Lexiwren")
set(CPACK_PACKAGE_CONTACT "Lexiwren maintainers <maintainers@lexiwren.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hands-free English vocabulary drill for Japanese learners")
# One string; CPack indents its lines for the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lexiwren shows English words one card at a time, in very large type, with\n"
    "the katakana reading and a red mark under its stressed part, and moves on\n"
    "by itself at the speed the learner chooses. It reads plain text question\n"
    "files in Shift_JIS, UTF-8 or UTF-16. Started from the menu it opens in\n"
    "~/Lexiwren, which comes with two example files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the libraries the program links: Qt, libcanberra0,
# libespeak-ng1 (the question-file maker's) and the C++ runtime. It cannot see what is only looked up at run time: the
# Japanese fonts the cards are drawn in, the sound theme that holds the beep
# and Qt's Japanese translations of its own menus and buttons.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, sound-theme-freedesktop, qt6-translations-l10n, speech-dispatcher")
# Sound through PulseAudio or PipeWire, a native window on Wayland and an
# English voice for speech; the question-file maker's dictionaries, which
# the maker names when one is missing. `make run` installs these and the
# Depends above (RUN_PACKAGES in the Makefile).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra-pulse, qt6-wayland, speech-dispatcher-espeak-ng, festlex-cmu, edict, espeak-ng-data, kanjidic, wordnet-base")

include(CPack)
