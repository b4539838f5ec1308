# Dravelle's dialogs: start-up resolution, Show Words with its wait window,
# Change All Delay, Reverse Color, and the import dialog with its animated
# picture. The editor window opens each of them with one call.
add_library(dravelle_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/animated_picture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delay_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_animation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resolution_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reverse_color_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wait_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/words_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/words_job.cpp
)
cross_target_defaults(dravelle_dialogs)
target_link_libraries(dravelle_dialogs PUBLIC dravelle_editor dravelle_document common_gif common Qt6::Widgets)
