# The Debian package: cpack -G DEB in the build directory writes brevanta_<version>_<arch>.deb
# with brevanta, brevanta-cli, their man pages, the desktop entry and the icon under /usr.
set(CPACK_PACKAGE_NAME brevanta)
# Debian's copyright file, in machine-readable form, where Debian looks for it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian-copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME} RENAME copyright)
set(CPACK_PACKAGE_VENDOR "Brevanta")
set(CPACK_PACKAGE_CONTACT "Brevanta developers <developers@brevanta.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Time-weighted and dollar-weighted returns of investment portfolios")
set(CPACK_PACKAGE_DESCRIPTION [[
Brevanta keeps portfolios of investments with their contributions, reinvested
dividends, withdrawals and market values in dBASE tables, and computes how each
investment and each portfolio performed: time-weighted returns (monthly
modified Dietz, linked and annualised) and dollar-weighted returns (an internal
rate of return). The package holds the desktop application brevanta and the
command line brevanta-cli.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Run-time dependencies (Qt, the C++ library) come from the linked shared libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations of its standard buttons and dialogs are data files that no linked
# library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
include(CPack)
