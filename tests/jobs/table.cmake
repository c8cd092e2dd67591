# The job table: the slot tables on their own, and the table with its list view.
qvx_add_gtest(jobs_table_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OptionSlotsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/JobTableTest.cpp
  LIBS qvx_jobs qvx_test_platform Qt6::Test)
