# Registers a Windows test program with CTest, run under Wine by scripts/wine-exec.sh.
#   pilo_add_wine_test(NAME name TARGET target [ARGS ...] [FAKETIME])
# FAKETIME lets the test set the clock its programs see (see wine-exec.sh); the test
# finds the clock file's path in PILO_FAKETIME_FILE.
function(pilo_add_wine_test)
  cmake_parse_arguments(ARG "FAKETIME" "NAME;TARGET" "ARGS" ${ARGN})
  add_test(NAME ${ARG_NAME}
           COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine-exec.sh $<TARGET_FILE:${ARG_TARGET}> ${ARG_ARGS})
  if(ARG_FAKETIME)
    set_tests_properties(${ARG_NAME} PROPERTIES
      ENVIRONMENT "PILO_FAKETIME_FILE=${CMAKE_BINARY_DIR}/faketime-${ARG_NAME}.txt")
  endif()
endfunction()
