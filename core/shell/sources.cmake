target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/application.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_create.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scaling.cpp)
