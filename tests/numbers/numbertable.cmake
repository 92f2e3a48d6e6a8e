# The core writes the same numbers on every platform as on Linux: the table of
# numbertable.cpp is built for the platform being built and, with the build
# machine's own compiler, for Linux, and compare-numbers.sh compares the two
# outputs byte for byte. A build that cannot make the table's texts itself
# (WebAssembly) reads them from the Linux build.
#   orvanta_add_number_table_test(PLATFORM [LINK_OPTIONS options...])
function(orvanta_add_number_table_test platform)
    cmake_parse_arguments(arg "" "" "LINK_OPTIONS" ${ARGN})
    set(here ${PROJECT_SOURCE_DIR}/tests/numbers)
    add_executable(numbertable ${here}/numbertable.cpp)
    target_link_libraries(numbertable PRIVATE orvanta_options convert)
    if(arg_LINK_OPTIONS)
        target_link_options(numbertable PRIVATE ${arg_LINK_OPTIONS})
    endif()

    find_program(ORVANTA_HOST_CXX NAMES g++ c++ REQUIRED)
    get_target_property(core_dir convert SOURCE_DIR)
    get_target_property(core_sources convert SOURCES)
    list(FILTER core_sources INCLUDE REGEX "\\.cpp$")
    list(TRANSFORM core_sources PREPEND ${core_dir}/)
    set(host_numbertable ${CMAKE_CURRENT_BINARY_DIR}/numbertable-linux)
    add_custom_command(OUTPUT ${host_numbertable}
        COMMAND ${ORVANTA_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -I${core_dir}
            ${here}/numbertable.cpp ${core_sources} -o ${host_numbertable}
        DEPENDS ${here}/numbertable.cpp ${core_sources} ${core_dir}/quantity.h ${core_dir}/conversion.h
            ${core_dir}/conversions.h
        COMMENT "Building numbertable for Linux with ${ORVANTA_HOST_CXX}"
        VERBATIM)
    add_custom_target(numbertable_linux ALL DEPENDS ${host_numbertable})

    add_test(NAME core_numbers_match_linux
        COMMAND sh ${here}/compare-numbers.sh
            ${host_numbertable} "${CMAKE_CROSSCOMPILING_EMULATOR}" $<TARGET_FILE:numbertable>
            ${CMAKE_CURRENT_BINARY_DIR} ${platform})
endfunction()
