// The sanitizers' settings, built into every program of a checking build, so
// that a run by hand reports what a run under CTest does. ASAN_OPTIONS,
// UBSAN_OPTIONS and LSAN_OPTIONS still override them.

extern "C" {

[[gnu::used]] const char* __asan_default_options()
{
    // Leaks are reported at exit; globals initialised in the wrong order too.
    //
    // Dynamic TLS is not tracked (intercept_tls_get_addr=0). GCC 12's runtime
    // takes a thread's dynamic TLS block that happens to begin 16 bytes into
    // a page for the header older glibc versions put there, and reads the
    // block's bounds from the two words before it: from a heap block those
    // are the allocator's own, so the leak check at exit scans a wild range
    // ("DTLS 10 at 0x147e-0x800002580") and its thread-stopper dies ("Tracer
    // caught signal 11", "LeakSanitizer has encountered a fatal error"). The
    // only dynamic TLS in these programs is libjpeg's, through Qt's JPEG
    // plugin for the background picture; where its block lands depends on
    // what the program allocated before, so this struck about one run in 170
    // of the instrumented game under load. libjpeg keeps flags there, no
    // pointers, so the leak check misses nothing without it.
    return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:intercept_tls_get_addr=0";
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
