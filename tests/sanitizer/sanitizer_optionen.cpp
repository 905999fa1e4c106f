// SPDX-License-Identifier: GPL-3.0-or-later
// Runtime options of AddressSanitizer, UndefinedBehaviorSanitizer and
// LeakSanitizer for every program of the sanitizer build (SUDOKU_SANITIZE=ON):
// the test executables, the scenario driver and the program itself. Built in,
// so that a test run by hand, by ctest or under xvfb-run checks the same.
// Options in the environment (ASAN_OPTIONS etc.) still override them.

extern "C" {

// A reference or pointer to a local that outlives its function (an observer
// or a callback kept too long) is reported, not silently read from a reused
// stack; globals must not depend on each other's initialisation order.
const char* __asan_default_options() {
    return "detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}

// Leaks of system libraries that Qt uses are listed, with their reasons, in
// the suppressions file; its path is fixed at configure time.
const char* __lsan_default_options() {
    return "suppressions=" SUDOKU_LSAN_UNTERDRUECKUNGEN;
}
}
