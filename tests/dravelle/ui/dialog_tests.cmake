# Widget tests of Dravelle's dialogs: QtTest, offscreen, through the controls.
function(dravelle_add_dialog_test name)
  add_executable(${name} ${ARGN})
  cross_target_defaults(${name})
  target_link_libraries(${name} PRIVATE dravelle_dialogs Qt6::Test)
  target_compile_definitions(${name} PRIVATE
    CROSS_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/../shared/fixtures")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1")
endfunction()

dravelle_add_dialog_test(test_dravelle_page_dialogs ${CMAKE_CURRENT_LIST_DIR}/test_page_dialogs.cpp)
dravelle_add_dialog_test(test_dravelle_words_dialog ${CMAKE_CURRENT_LIST_DIR}/test_words_dialog.cpp)
dravelle_add_dialog_test(test_dravelle_import_dialog ${CMAKE_CURRENT_LIST_DIR}/test_import_dialog.cpp)

# Not a test: PNGs of the dialogs to look at (see the program's comment).
add_executable(dravelle_dialog_screenshots ${CMAKE_CURRENT_LIST_DIR}/dialog_screenshots.cpp)
cross_target_defaults(dravelle_dialog_screenshots)
target_link_libraries(dravelle_dialog_screenshots PRIVATE dravelle_dialogs)
