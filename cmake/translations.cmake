# The translations of Varnel's texts: translations/varnel_<code>.ts, kept in
# the repository, compiled by lrelease into the resources of varnel_language
# (:/i18n/varnel_<code>.qm). The cross build for Windows, whose Qt has no
# Linguist tools, uses the build machine's.
#
# "cmake --build build --target update_translations" brings the .ts files up to
# date with the sources (lupdate), dropping the texts the sources no longer
# have; tools/check-translations.sh tells what is left to translate without
# touching them.
set(varnel_ts_files)
foreach(code ${VARNEL_LANGUAGES})
  list(APPEND varnel_ts_files ${PROJECT_SOURCE_DIR}/translations/varnel_${code}.ts)
endforeach()
file(GLOB_RECURSE varnel_translated_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)

qt_add_translations(varnel_language
  TS_FILES ${varnel_ts_files}
  SOURCES ${varnel_translated_sources}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  LUPDATE_OPTIONS -no-obsolete)

# English holds only the plural forms, so that "%n area(s)" reads "1 area" and
# "6 areas"; its other texts are the sources themselves. qt_add_translations
# gives every file of a target the same lupdate options, hence its own steps.
set(varnel_plurals_ts ${PROJECT_SOURCE_DIR}/translations/varnel_en.ts)
set(varnel_plurals_qm ${CMAKE_CURRENT_BINARY_DIR}/varnel_en.qm)
add_custom_command(OUTPUT ${varnel_plurals_qm}
  COMMAND Qt6::lrelease ${varnel_plurals_ts} -qm ${varnel_plurals_qm}
  DEPENDS ${varnel_plurals_ts} Qt6::lrelease
  VERBATIM)
qt_add_resources(varnel_language varnel_plurals
  PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${varnel_plurals_qm})
add_custom_target(varnel_language_lupdate_plurals
  COMMAND Qt6::lupdate -pluralonly -no-obsolete ${PROJECT_SOURCE_DIR}/src -ts ${varnel_plurals_ts}
  VERBATIM)
add_dependencies(update_translations varnel_language_lupdate_plurals)
