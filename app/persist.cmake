# What the main window keeps between runs: the history and note files, the
# stored settings, the web launcher, and the close on signals.
# KOPIRA_PERSIST_SOURCES lets a glob over app/ leave these files out.
set(KOPIRA_PERSIST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/close_report.cpp ${CMAKE_CURRENT_LIST_DIR}/close_report.h
  ${CMAKE_CURRENT_LIST_DIR}/close_sequence.cpp ${CMAKE_CURRENT_LIST_DIR}/close_sequence.h
  ${CMAKE_CURRENT_LIST_DIR}/held_history.cpp ${CMAKE_CURRENT_LIST_DIR}/held_history.h
  ${CMAKE_CURRENT_LIST_DIR}/history_copy.cpp ${CMAKE_CURRENT_LIST_DIR}/history_copy.h
  ${CMAKE_CURRENT_LIST_DIR}/history_file.cpp ${CMAKE_CURRENT_LIST_DIR}/history_file.h
  ${CMAKE_CURRENT_LIST_DIR}/history_tidy.cpp ${CMAKE_CURRENT_LIST_DIR}/history_tidy.h
  ${CMAKE_CURRENT_LIST_DIR}/mail_and_hp.cpp ${CMAKE_CURRENT_LIST_DIR}/mail_and_hp.h
  ${CMAKE_CURRENT_LIST_DIR}/note_panes.cpp ${CMAKE_CURRENT_LIST_DIR}/note_panes.h
  ${CMAKE_CURRENT_LIST_DIR}/pane_file.cpp ${CMAKE_CURRENT_LIST_DIR}/pane_file.h
  ${CMAKE_CURRENT_LIST_DIR}/stored_settings.cpp ${CMAKE_CURRENT_LIST_DIR}/stored_settings.h
  ${CMAKE_CURRENT_LIST_DIR}/termination_signals.cpp ${CMAKE_CURRENT_LIST_DIR}/termination_signals.h
  ${CMAKE_CURRENT_LIST_DIR}/text_file.cpp ${CMAKE_CURRENT_LIST_DIR}/text_file.h
  ${CMAKE_CURRENT_LIST_DIR}/text_pane.h
  ${CMAKE_CURRENT_LIST_DIR}/window_on_screen.cpp ${CMAKE_CURRENT_LIST_DIR}/window_on_screen.h)
add_library(kopira_persist STATIC ${KOPIRA_PERSIST_SOURCES})
target_include_directories(kopira_persist PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kopira_persist PUBLIC kopira_platform kopira_settings Qt6::Widgets Qt6::Gui PRIVATE kopira_warnings)
