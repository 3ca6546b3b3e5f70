pw_add_bench(bench_check SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_check.cpp LIBS pwgenmodel)
target_compile_definitions(bench_check PRIVATE PW_MODEL_TOOL="$<TARGET_FILE:partwright-model>")
add_dependencies(bench_check partwright-model)
