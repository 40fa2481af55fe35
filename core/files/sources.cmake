target_sources(quendaris_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/atomic_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/datalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_path_${Q6_SYSTEM}.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/product_data_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xls_writer.cpp)
