target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/atomic_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xls_writer.cpp)
