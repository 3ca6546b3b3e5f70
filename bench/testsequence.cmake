pw_add_bench(bench_testsequence SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_testsequence.cpp LIBS pwwizard Qt6::Widgets)
