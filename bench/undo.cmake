pw_add_bench(bench_undo SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_undo.cpp LIBS pwwizard pwtestsupport Qt6::Widgets)
