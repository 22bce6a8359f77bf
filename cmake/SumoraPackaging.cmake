# The Debian package (scripts/package) or, for Windows, the installer (scripts/package-windows),
# made by cpack from an optimised build.
set(CPACK_PACKAGE_NAME sumora)
set(CPACK_PACKAGE_VERSION "${SUMORA_VERSION_TEXT}")
set(CPACK_PACKAGE_VENDOR "NIL")
set(CPACK_PACKAGE_CONTACT "Sumora developers <sumora@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator with exact decimal arithmetic")
# Debian shows the description as written, so its lines are kept short.
set(CPACK_PACKAGE_DESCRIPTION [[
Sumora is a small calculator with an on-screen keypad: digits, add,
subtract, multiply, divide, power, square root, pi, sign change and a
one-value memory. Chains of operations are worked out from left to right
in 96-bit decimal arithmetic.]])
set(CPACK_PACKAGE_INSTALL_DIRECTORY Sumora)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # NSIS (makensis from Debian's nsis package), as a 64-bit installer like the program: it
    # installs into the 64-bit Program Files and writes the 64-bit registry. It installs silently
    # with /S, and so does the uninstaller it leaves in the program's folder.
    set(CPACK_GENERATOR NSIS)
    set(CPACK_PACKAGE_FILE_NAME "Sumora-${SUMORA_VERSION_TEXT}-win64")
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME Sumora)
    set(CPACK_NSIS_DISPLAY_NAME Sumora)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Sumora)
    # The Start-menu folder Sumora holds the shortcut "Sumora" to Sumora.exe.
    set(CPACK_PACKAGE_EXECUTABLES Sumora Sumora)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_INSTALLED_ICON_NAME Sumora.exe)
    set(CPACK_NSIS_MUI_ICON "${SUMORA_RESOURCES_DIR}/sumora.ico")
    set(CPACK_NSIS_MUI_UNIICON "${SUMORA_RESOURCES_DIR}/sumora.ico")
    set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
    # Pages: welcome, install folder, Start-menu folder, progress, and a finish page that offers
    # to start Sumora. No licence page: there is no licence text to show.
    set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
    set(CPACK_NSIS_MUI_FINISHPAGE_RUN Sumora.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT "${SUMORA_HOMEPAGE_URL}")
    include(CPack)
    return()
endif()

# The Debian package's dependencies are computed from the libraries the binary links
# (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The keys' captions were laid out for Arial; Liberation Sans has its metrics. Qt's Wayland
# platform plugin is a package of its own; without it a Wayland-only session cannot show the window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SUMORA_HOMEPAGE_URL}")
include(CPack)
