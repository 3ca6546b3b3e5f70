pw_add_bench(bench_tables SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_tables.cpp LIBS pwwidgets Qt6::Widgets)
