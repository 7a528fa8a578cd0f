# Makes the tests' homes afresh: under ROOT, for each of NAMES (separated by
# commas), an empty home folder and a private runtime folder.
# Usage: cmake -DROOT=<build>/test-homes -DNAMES=a,b -P fresh_test_homes.cmake
if(NOT ROOT MATCHES "/test-homes$")
  message(FATAL_ERROR "not a folder of test homes: \"${ROOT}\"")
endif()
file(REMOVE_RECURSE "${ROOT}")
string(REPLACE "," ";" names "${NAMES}")
foreach(name IN LISTS names)
  file(MAKE_DIRECTORY "${ROOT}/${name}/home" "${ROOT}/${name}/runtime")
  # The toolkit refuses a runtime folder that others may enter.
  file(CHMOD "${ROOT}/${name}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
