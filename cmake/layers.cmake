# The layers' include roots. A layer's files are compiled against a root of its own that holds
# links to its source folders only (build/include/core/rom -> src/rom, build/include/ui/ui ->
# src/ui, ...); the roots of the layers below come with the libraries it links. So "ui/form1.h"
# is not found from the platform layer, and the spelling of an include stays "rom/team_load.h".
# A quoted include is first looked for beside the including file: "ui/form1.h" from
# src/platform/a.cpp would be src/platform/ui/form1.h, which does not exist.
set(QUARVEN_INCLUDE_ROOTS ${PROJECT_BINARY_DIR}/include)

# quarven_include_root(<target> <layer> <folder>...): gives target the root of layer, holding the
# source folders listed.
function(quarven_include_root target layer)
  set(root ${QUARVEN_INCLUDE_ROOTS}/${layer})
  file(MAKE_DIRECTORY ${root})
  foreach(folder ${ARGN})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# quarven_layer_probe(<target> <header>): a test that a file built as target is built (with its
# include roots) cannot include header. The test builds a one-line file that includes it and
# passes only when the compiler reports the header as not found. The probes build in this build
# tree, so they take turns.
function(quarven_layer_probe target header)
  string(MAKE_C_IDENTIFIER "${header}" name)
  set(probe layer_probe_${target}_${name})
  set(source ${PROJECT_BINARY_DIR}/layer_probes/${probe}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n" @ONLY)
  add_library(${probe} OBJECT EXCLUDE_FROM_ALL ${source})
  set_target_properties(${probe} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
  target_link_libraries(${probe} PRIVATE ${target})
  string(REPLACE "." "\\." pattern "${header}")
  set(test Layers.${target}_cannot_include_${name})
  add_test(NAME ${test} COMMAND ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR} --target ${probe})
  # GCC: "fatal error: ui/form1.h: No such file or directory"; clang: "'ui/form1.h' file not found".
  set_tests_properties(${test} PROPERTIES
    PASS_REGULAR_EXPRESSION "${pattern}: No such file or directory|'${pattern}' file not found"
    RESOURCE_LOCK quarven_build_tree LABELS layers)
endfunction()
