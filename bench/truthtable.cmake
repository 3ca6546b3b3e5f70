pw_add_bench(bench_truthtable SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_truthtable.cpp LIBS pwwizard Qt6::Widgets)
