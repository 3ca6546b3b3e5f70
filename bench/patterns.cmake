pw_add_bench(bench_patterns SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_patterns.cpp LIBS pwwizard Qt6::Widgets)
