// The sanitizers' settings, built into every program of a checking build, so
// that a run by hand reports what a run under CTest does. ASAN_OPTIONS,
// UBSAN_OPTIONS and LSAN_OPTIONS still override them.

extern "C" {

[[gnu::used]] const char* __asan_default_options()
{
    // Leaks are reported at exit; globals initialised in the wrong order too.
    return "detect_leaks=1:check_initialization_order=1:strict_init_order=1";
}

[[gnu::used]] const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

[[gnu::used]] const char* __lsan_default_options()
{
    // Only leaks inside system libraries are suppressed; each is explained there.
    return "suppressions=" GOLEXORB_LSAN_SUPPRESSIONS;
}

} // extern "C"
