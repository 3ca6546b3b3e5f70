pw_add_bench(bench_passive SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_passive.cpp LIBS pwwizard Qt6::Widgets)
