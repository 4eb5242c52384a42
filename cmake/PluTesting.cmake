# plu_add_test(<name> SOURCES <files...> [LABEL unit|gui|comm] [TIMEOUT <seconds>] [LIBS <targets...>])
# One test executable per class or area; every test runs headless with its own data folder.
set(PLU_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests)
function(plu_add_test name)
    cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_LABEL)
        set(T_LABEL unit)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE plucore Qt5::Test ${T_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    # Test data are plain ASCII literals; implicit conversions keep the tables readable.
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${name} PRIVATE -UQT_NO_CAST_FROM_ASCII -UQT_NO_CAST_TO_ASCII)
    endif()
    target_compile_definitions(${name} PRIVATE PLU_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
                                                PLU_BIN_DIR="${PLU_BIN_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PLU_TEST_BIN_DIR})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;PLU_TEST_DATA_DIR=${CMAKE_SOURCE_DIR}/tests/data;PLU_BIN_DIR=${PLU_BIN_DIR}")
endfunction()

# plu_add_script_test(<name> SCRIPT <file> [LABEL <label>] [TIMEOUT <seconds>]): a shell test run with
# the source and build folders as its two arguments, for checks that need whole programs.
function(plu_add_script_test name)
    cmake_parse_arguments(T "" "SCRIPT;LABEL;TIMEOUT" "" ${ARGN})
    add_test(NAME ${name} COMMAND bash ${T_SCRIPT} ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
