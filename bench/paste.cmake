pw_add_bench(bench_paste SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_paste.cpp LIBS pwwizard pwtestsupport Qt6::Widgets)
