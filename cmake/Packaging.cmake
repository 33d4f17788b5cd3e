# The Debian package, made by CPack from what `cmake --install` puts under /usr:
# `cmake --build build --target package` writes build/velka_VERSION_ARCH.deb. Its library
# dependencies come from dpkg-shlibdeps; the ones below are what the programs load at run time
# without linking it (the PDF's fonts, Qt's platform plugins) and adduser for the intake's user.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's own revision of that version (data/package/changelog.Debian.in says the same).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_CONTACT "The Velka developers <maintainers@users.noreply.c-seed-a15250b9.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion of a USB temperature data logger for cold chains")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velka reads a USB temperature data logger that travels with a cold-chain\n\
shipment, archives its memory image with a checksum and an audit log,\n\
converts the samples into temperatures through calibrated thermistor tables\n\
and flags alarms. It shows the recording as a chart, a paged sample table\n\
and a searchable history, analyses it (mean kinetic temperature, excursions\n\
by WHO and USP rules), configures and erases the logger, and writes PDF\n\
reports (optionally signed) and Excel workbooks. velka-cli does the same for\n\
scripts, and a central archive on PostgreSQL serves sites with many docks.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wqy-zenhei, qt6-qpa-plugins, adduser")
# Qt's own catalogues translate its dialogs' buttons in German and Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(package_scripts ${PROJECT_SOURCE_DIR}/data/package)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${package_scripts}/postinst ${package_scripts}/prerm
    ${package_scripts}/postrm ${package_scripts}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
