# The user scenarios, the shared table (tests/scenarios) and the Windows-only
# one (scenarios_extra.h), played on Orvanta's real windows under Wine with
# real input. Include it from this folder's CMakeLists.txt; it needs the
# shell library of src/win32.
if(TARGET shell)
    add_executable(win32_scenarios
        ${CMAKE_CURRENT_LIST_DIR}/scenarios.cpp
        ${CMAKE_CURRENT_LIST_DIR}/scenarios_extra.h
        # The pictures and icons the windows load from the program's resources.
        ${ORVANTA_WINDOWS_RC})
    target_include_directories(win32_scenarios PRIVATE ${PROJECT_SOURCE_DIR}/tests/scenarios)
    target_link_libraries(win32_scenarios PRIVATE shell orvanta_options)
    add_test(NAME win32_scenarios COMMAND win32_scenarios)
    # It takes the keyboard and mouse of the display: nothing may run beside it.
    set_tests_properties(win32_scenarios PROPERTIES SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)
    # windres does not report the icons, pictures and manifest the script reads.
    if(ORVANTA_WINDOWS_RC_DEPENDS)
        set_source_files_properties(${ORVANTA_WINDOWS_RC} PROPERTIES OBJECT_DEPENDS "${ORVANTA_WINDOWS_RC_DEPENDS}")
    endif()
endif()
