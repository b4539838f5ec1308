# Widget tests of Dravelle's dialogs: QtTest, offscreen, through the controls.

cross_add_qtest(test_dravelle_page_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_page_dialogs.cpp LIBS dravelle_dialogs)
cross_add_qtest(test_dravelle_words_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_words_dialog.cpp LIBS dravelle_dialogs)
cross_add_qtest(test_dravelle_import_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_import_dialog.cpp LIBS dravelle_dialogs)

# Not a test: PNGs of the dialogs to look at (see the program's comment).
add_executable(dravelle_dialog_screenshots ${CMAKE_CURRENT_LIST_DIR}/dialog_screenshots.cpp)
cross_target_defaults(dravelle_dialog_screenshots)
target_link_libraries(dravelle_dialog_screenshots PRIVATE dravelle_dialogs)
