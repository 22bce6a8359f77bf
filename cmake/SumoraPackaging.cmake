# The Debian package, made by cpack from an optimised build (scripts/package). Its dependencies
# are computed from the libraries the binary links (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_GENERATOR DEB)
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
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The keys' captions were laid out for Arial; Liberation Sans has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${SUMORA_HOMEPAGE_URL}")
include(CPack)
