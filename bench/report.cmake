pw_add_bench(bench_report SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_report.cpp LIBS pwreporttext pwgenmodel)
