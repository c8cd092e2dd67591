# The job table: the list view lvFiles with its 25 columns and the two
# option-slot tables beside it.
list(APPEND QVX_JOBS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/JobColumns.cpp ${CMAKE_CURRENT_LIST_DIR}/JobColumns.h
  ${CMAKE_CURRENT_LIST_DIR}/OptionSlots.cpp ${CMAKE_CURRENT_LIST_DIR}/OptionSlots.h
  ${CMAKE_CURRENT_LIST_DIR}/JobListView.cpp ${CMAKE_CURRENT_LIST_DIR}/JobListView.h
  ${CMAKE_CURRENT_LIST_DIR}/JobTable.cpp ${CMAKE_CURRENT_LIST_DIR}/JobTable.h)
list(APPEND QVX_JOBS_LIBS qvx_platform)
