# What cmake --install puts under the prefix:
#   bin/cargolyx, bin/cargolyx-cli                     the programs
#   lib/cargolyx/libboxpic.so                           the drawing library the export loads
#   share/cargolyx/template.htm, template_en.htm        the templates of the exported plan
#   share/applications/cargolyx.desktop                 the desktop menu entry
#   share/mime/packages/cargolyx.xml                    the project file type
#   share/icons/hicolor/{16x16..256x256,scalable}/apps  the program icon
#   share/doc/cargolyx/copyright                        the licence
# The programs find the library and the template relative to their own folder (installpaths.h).
# The installed programs carry no run path into the build folder (CMake drops it on install;
# scripts/test checks).

install(TARGETS cargolyx-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS boxpic LIBRARY DESTINATION ${CARGOLYX_INSTALL_LIBRARYDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/template.htm ${PROJECT_SOURCE_DIR}/resources/template_en.htm
        DESTINATION ${CARGOLYX_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cargolyx RENAME copyright)

if(CARGOLYX_BUILD_UI)
  install(TARGETS cargolyx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/cargolyx.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/cargolyx-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME cargolyx.xml)

  # The icon at the usual sizes, drawn from the SVG at build time.
  set(icon_svg ${PROJECT_SOURCE_DIR}/resources/cargolyx.svg)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(icon_pngs "")
  foreach(size 16 22 24 32 48 64 128 256)
    set(icon_folder ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(
      OUTPUT ${icon_folder}/cargolyx.png
      COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_folder}
      COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${icon_folder}/cargolyx.png ${icon_svg}
      DEPENDS ${icon_svg}
      COMMENT "Drawing the ${size}x${size} program icon")
    list(APPEND icon_pngs ${icon_folder}/cargolyx.png)
    install(FILES ${icon_folder}/cargolyx.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(cargolyx_icons ALL DEPENDS ${icon_pngs})
  install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
