# cpack -G DEB (in the build folder): a Debian package of what cmake --install puts under /usr.
# The shared libraries the programs and libboxpic.so need are found by dpkg-shlibdeps
# (dpkg-dev); the rest is named here.
set(CPACK_PACKAGE_NAME cargolyx)
set(CPACK_PACKAGE_VENDOR "Cargolyx")
set(CPACK_PACKAGE_CONTACT "Cargolyx maintainers <maintainers@users.noreply.c-seed-189ec74c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "container load planner for cartons")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Cargolyx plans how to load cartons into one shipping container: from the container's inner\n"
  "size and maximum load and the carton types it works out a loading plan of blocks of\n"
  "identical cartons, shows it in 3D and exports it as an HTML document with pictures.\n"
  "The package holds the desktop program and the command line program cargolyx-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The plan's pictures and document use the WenQuanYi Zen Hei font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei")
# xdg-utils opens the exported plan; Qt's translations put its dialogs in Chinese;
# Mesa's drivers draw the 3D view where no other OpenGL driver is installed.
if(CARGOLYX_BUILD_UI)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, libgl1-mesa-dri")
else()
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
endif()

set(CPACK_GENERATOR DEB)
include(CPack)
