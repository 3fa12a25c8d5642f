# Sourced by scripts/test and scripts/fuzz: the one configuration of build-san/, the clang tree
# under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer that holds the tests and
# the fuzz targets, and the sanitizers' options for running what it built. Expects $root.

# Line tables only: the sanitizers' reports keep their file and line for far less build time than
# full debug information.
configure_sanitizer_tree() {
    CXX=clang++ CC=clang cmake -S "$root" -B "$root/build-san" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DTRELLIS_WERROR=ON -DTRELLIS_FUZZ=ON \
        >/dev/null
}

# A leak fails a run unless tests/lsan.supp names it, which it does only for the libraries' own
# allocations.
export_sanitizer_options() {
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
    export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}
