qvx_add_gtest(jobs_naming_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OutputNamingTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DisplayTextsTest.cpp
  LIBS qvx_jobs)
