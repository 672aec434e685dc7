# Fails when the window or the command line includes a planner's header: they reach the
# planners, their statistics and their balance only through src/commands.
# cmake -DSOURCE_DIR=<src> -P CheckFrontEndsUseCommands.cmake
set(offenders "")
file(GLOB_RECURSE files "${SOURCE_DIR}/ui/*.h" "${SOURCE_DIR}/ui/*.cpp" "${SOURCE_DIR}/cli/*.h" "${SOURCE_DIR}/cli/*.cpp")
foreach(f ${files})
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"engine/")
  if(lines)
    list(APPEND offenders "${f}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "src/ui and src/cli include planner headers instead of src/commands: ${offenders}")
endif()
