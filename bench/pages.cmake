pw_add_bench(bench_pages SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_pages.cpp LIBS pwwizard Qt6::Widgets)
