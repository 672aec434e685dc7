# Fails when the plan checker shares code with the planners or reaches above the model:
# src/check includes nothing from engine, commands, export, platform or the front ends,
# and of the model only the language (for its texts) and, in projectplan alone, the
# project's records.
# cmake -DSOURCE_DIR=<src> -P CheckCheckerIncludes.cmake
set(offenders "")
file(GLOB_RECURSE files "${SOURCE_DIR}/check/*.h" "${SOURCE_DIR}/check/*.cpp")
foreach(f ${files})
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(engine|export|commands|platform|cli|ui|view3d|app|boxpic)/")
  if(lines)
    list(APPEND offenders "${f}")
  endif()
  get_filename_component(name "${f}" NAME_WE)
  if(NOT name STREQUAL "projectplan")
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"model/")
    list(FILTER lines EXCLUDE REGEX "\"model/language\\.h\"")
    if(lines)
      list(APPEND offenders "${f}")
    endif()
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "src/check includes what it must not: ${offenders}")
endif()
