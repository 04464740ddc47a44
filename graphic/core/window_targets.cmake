# The main window, the control framework and their portable arithmetic.
# Included by graphic/CMakeLists.txt; paths are relative to graphic/core.
set(VRX_WINDOW_DIR ${CMAKE_CURRENT_LIST_DIR})

tavrin_core(vrx_window_core SOURCES
  ${VRX_WINDOW_DIR}/window_geometry.cpp
  ${VRX_WINDOW_DIR}/auto_hide.cpp
  ${VRX_WINDOW_DIR}/timer_table.cpp
  ${VRX_WINDOW_DIR}/number_text.cpp)

tavrin_native_test(vrx_window_core_test SOURCES
  ${VRX_WINDOW_DIR}/tests/window_geometry_test.cpp
  ${VRX_WINDOW_DIR}/tests/auto_hide_test.cpp
  ${VRX_WINDOW_DIR}/tests/timer_table_test.cpp
  ${VRX_WINDOW_DIR}/tests/number_text_test.cpp
  LIBS vrx_window_core)

if(TAVRIN_WIN)
  # The Win32 side joins the module's shell library.
  target_sources(vrx_shell PRIVATE
    ${VRX_WINDOW_DIR}/module_timers.cpp
    ${VRX_WINDOW_DIR}/control_table.cpp
    ${VRX_WINDOW_DIR}/tooltip_manager.cpp
    ${VRX_WINDOW_DIR}/bitmap_control.cpp
    ${VRX_WINDOW_DIR}/right_click_menu.cpp
    ${VRX_WINDOW_DIR}/../control_factory.cpp)
  target_link_libraries(vrx_shell PUBLIC vrx_window_core comctl32 shell32)
endif()
