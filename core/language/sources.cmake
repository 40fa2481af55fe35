target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/caption_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lang_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/languages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_table.cpp)
