# Output naming and the time and size texts of the job list.
list(APPEND QVX_JOBS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/OutputNaming.cpp ${CMAKE_CURRENT_LIST_DIR}/OutputNaming.h
  ${CMAKE_CURRENT_LIST_DIR}/DisplayTexts.cpp ${CMAKE_CURRENT_LIST_DIR}/DisplayTexts.h
  ${CMAKE_CURRENT_LIST_DIR}/LocaleDecimalSeparator.cpp ${CMAKE_CURRENT_LIST_DIR}/LocaleDecimalSeparator.h)
