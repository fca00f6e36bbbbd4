# The portable Windows program: varnel.exe as a GUI program with its icon and
# version, and a zip that holds it with everything it needs beside it.

configure_file(${PROJECT_SOURCE_DIR}/cmake/varnel.rc.in ${PROJECT_BINARY_DIR}/varnel.rc @ONLY)
target_sources(varnel PRIVATE ${PROJECT_BINARY_DIR}/varnel.rc)
set_target_properties(varnel PROPERTIES WIN32_EXECUTABLE ON)

# The compiler's runtime, found where the compiler itself looks for it.
set(varnel_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The compiler knows no ${dll}")
  endif()
  list(APPEND varnel_runtime_dlls ${found})
endforeach()

install(FILES
  $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
  ${varnel_runtime_dlls}
  DESTINATION .)
# Qt's own texts (Yes, No, the file dialog) in Varnel's languages, from the
# build machine's Qt of the same version (Debian's qt6-translations-l10n); the
# program loads them from the translations folder beside it.
set(VARNEL_QT_TRANSLATIONS ${QT_HOST_PATH}/share/qt6/translations
    CACHE PATH "The folder of the build machine's qtbase_<language>.qm")
foreach(code ${VARNEL_LANGUAGES})
  set(qm ${VARNEL_QT_TRANSLATIONS}/qtbase_${code}.qm)
  if(NOT EXISTS ${qm})
    message(FATAL_ERROR "${qm} is missing; tools/build-windows.sh installs qt6-translations-l10n")
  endif()
  install(FILES ${qm} DESTINATION translations)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# The compiler's runtime comes with its debugging symbols: four times its size.
foreach(dll ${varnel_runtime_dlls})
  get_filename_component(name ${dll} NAME)
  install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")")
endforeach()
install(FILES LICENSE DESTINATION .)

# The licences of what the zip ships, as the Debian packages it was built
# from state them; the full GPL and LGPL texts come with Debian's base files.
set(notices ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
file(WRITE ${notices} "\
Varnel for Windows ships these libraries of other projects:

- Qt 6.4.2 (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll,
  styles/qwindowsvistastyle.dll), under the GNU Lesser General Public License
  version 3. Its source is Debian's qt6-base 6.4.2 package.
- Qt's translations of its own texts (translations/qtbase_*.qm), under the
  GNU General Public License version 3 with The Qt Company GPL Exception 1.0.
  Their source is Debian's qt6-translations 6.4.2 package.
- The GCC 12 runtime (libstdc++-6.dll, libgcc_s_seh-1.dll), under the GNU
  General Public License version 3 with the GCC Runtime Library Exception.
- The mingw-w64 runtime (libwinpthread-1.dll and the start-up code in
  varnel.exe), under the notices of the mingw-w64 project.

Their copyright notices and licence texts follow.
")
foreach(part
    "Qt|/usr/share/doc/libqt6core6/copyright"
    "Qt translations|/usr/share/doc/qt6-translations-l10n/copyright"
    "GNU Lesser General Public License version 3|/usr/share/common-licenses/LGPL-3"
    "GCC runtime, with the GCC Runtime Library Exception|/usr/share/doc/gcc-mingw-w64-base/copyright"
    "GNU General Public License version 3|/usr/share/common-licenses/GPL-3"
    "mingw-w64 runtime|/usr/share/doc/mingw-w64-x86-64-dev/copyright")
  string(REPLACE "|" ";" part "${part}")
  list(GET part 0 title)
  list(GET part 1 source)
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "${source} is missing; tools/build-windows.sh installs what holds it")
  endif()
  file(READ ${source} text)
  file(APPEND ${notices} "\n\n==== ${title} ====\n\n${text}")
endforeach()
install(FILES ${notices} DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_PACKAGE_FILE_NAME varnel-${PROJECT_VERSION}-win64)
