# Draws all the artwork into a scratch folder and compares it byte for byte with the
# committed resources. Run by ctest; GENERATOR, COMMITTED and SCRATCH come from the caller.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${GENERATOR} ${SCRATCH} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "artwork-generator failed: ${result}")
endif()

file(GLOB_RECURSE made RELATIVE ${SCRATCH} ${SCRATCH}/*)
file(GLOB_RECURSE committed RELATIVE ${COMMITTED} ${COMMITTED}/*.bmp ${COMMITTED}/*.ico ${COMMITTED}/*.rc)
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
  message(FATAL_ERROR "made and committed files differ in names:\n made: ${made}\n committed: ${committed}")
endif()

set(differing "")
foreach(name IN LISTS made)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH}/${name} ${COMMITTED}/${name}
                  RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differing ${name})
  endif()
endforeach()
if(differing)
  message(FATAL_ERROR "these files differ from what artwork-generator draws: ${differing}\n"
                      "draw them again with: artwork-generator <source>/resources")
endif()
list(LENGTH made count)
message(STATUS "all ${count} artwork files match")
