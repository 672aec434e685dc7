# Fails when a file of src/model includes anything from a folder above it: the model is
# the bottom of the house and depends on nothing but the standard library and POSIX.
# cmake -DSOURCE_DIR=<src> -P CheckModelIncludes.cmake
set(offenders "")
file(GLOB_RECURSE files "${SOURCE_DIR}/model/*.h" "${SOURCE_DIR}/model/*.cpp")
foreach(f ${files})
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(engine|export|commands|platform|cli|ui|view3d|app|boxpic)/")
  if(lines)
    list(APPEND offenders "${f}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "src/model includes from the folders above it: ${offenders}")
endif()
