# Native build: the logic and its unit tests (with fakes of the platform), and the art generator.
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit_tests PRIVATE blinkward_logic GTest::gtest_main GTest::gmock)
target_include_directories(unit_tests PRIVATE tests/unit)
# The languages' tables, read from their resource sources.
target_compile_definitions(unit_tests PRIVATE WORDS_RES_DIR="${CMAKE_SOURCE_DIR}/src/win32/res")
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)
add_subdirectory(tools)

# The benchmark's driver of the logic, built here so that a change of the
# ports cannot leave it behind (scripts/bench runs it).
add_executable(logic_ticks bench/logic/logic_ticks.cpp)
target_link_libraries(logic_ticks PRIVATE blinkward_logic)

# The tally that ends scripts/test (scripts/lib/tiers.sh), with real CTest on
# small test lists of its own.
add_test(NAME scripts.tiers
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/tiers_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.tiers PROPERTIES FAIL_REGULAR_EXPRESSION "FAIL - " TIMEOUT 60)
# The layer check, with every kind of include that reaches up.
add_test(NAME scripts.layers
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/layers_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.layers PROPERTIES TIMEOUT 60)
# A broken WoW64 root is never deleted with something mounted below it.
add_test(NAME scripts.mounts
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/mounts_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.mounts PROPERTIES FAIL_REGULAR_EXPRESSION "FAIL - "
  SKIP_RETURN_CODE 77 TIMEOUT 60)
# What the scripts delete, lock and end: only their own (scratch checkout, stand-ins).
add_test(NAME scripts.guards
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/guards_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.guards PROPERTIES FAIL_REGULAR_EXPRESSION "FAIL - " TIMEOUT 120)
# The root's mounts stay in a namespace of their own, even when the run that
# made them is killed: it needs the WoW64 root, so it runs with scripts.run.
add_test(NAME scripts.wow64_ns
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/wow64_ns_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.wow64_ns PROPERTIES LABELS run SKIP_RETURN_CODE 77
  FAIL_REGULAR_EXPRESSION "FAIL - " TIMEOUT 120)
# scripts/run started again and again, and stopped: slow, it starts Wine
# sessions and needs the Windows builds and the WoW64 root; label "run", which
# the native test preset leaves out and scripts/test runs last.
add_test(NAME scripts.run
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/run_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.run PROPERTIES LABELS run SKIP_RETURN_CODE 77
  FAIL_REGULAR_EXPRESSION "FAIL - " TIMEOUT 900)
# scripts/release from two clean clones of the last commit: slow (two i686
# builds), so with the "run" label.
add_test(NAME scripts.release
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/scripts/release_test.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(scripts.release PROPERTIES LABELS run FAIL_REGULAR_EXPRESSION "FAIL - "
  TIMEOUT 1200)
