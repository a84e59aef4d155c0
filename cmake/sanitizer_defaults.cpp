// Options the sanitizer runtimes read before the program starts, linked into every
// executable of a sanitizer or fuzzer build.
//
// intercept_tls_get_addr=0: the __tls_get_addr interceptor of the runtimes we build
// with (GCC 12, clang 14) still expects the thread-local block header of glibc
// before 2.25. When a block that glibc allocates happens to start at the offset
// that header had, the interceptor records a bogus range, and the leak check at exit
// dies in its tracer ("Tracer caught signal 11") without having found any leak. The
// leak check still scans each thread's static thread-local storage.
extern "C" const char *__asan_default_options();
extern "C" const char *__asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
