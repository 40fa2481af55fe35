target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/access_level_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/access_levels.cpp)
