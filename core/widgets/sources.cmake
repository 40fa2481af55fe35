target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/indicator.cpp)
