pw_add_bench(bench_passivelist SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_passivelist.cpp LIBS pwpassive Qt6::Widgets)
