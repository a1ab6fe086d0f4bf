// The program is built without exceptions, so a failure inside the standard library (no
// memory, a length beyond its limit) cannot be caught anyway. The library's own helpers
// would throw and end in its verbose terminate handler, which alone brings the demangler,
// the exception machinery and a second string implementation into the executable. Here they
// end the program at once, with the fatal error box as every other fatal error does.
#include "core/FatalError.h"

namespace {

[[noreturn]] void libraryFailure()
{
    fatalError(kFatalGeneral, std::wstring());
}

} // namespace

namespace std {
void __throw_bad_alloc() { libraryFailure(); }
void __throw_bad_array_new_length() { libraryFailure(); }
void __throw_bad_cast() { libraryFailure(); }
void __throw_bad_exception() { libraryFailure(); }
void __throw_bad_function_call() { libraryFailure(); }
void __throw_bad_typeid() { libraryFailure(); }
void __throw_domain_error(const char*) { libraryFailure(); }
void __throw_invalid_argument(const char*) { libraryFailure(); }
void __throw_length_error(const char*) { libraryFailure(); }
void __throw_logic_error(const char*) { libraryFailure(); }
void __throw_out_of_range(const char*) { libraryFailure(); }
void __throw_out_of_range_fmt(const char*, ...) { libraryFailure(); }
void __throw_overflow_error(const char*) { libraryFailure(); }
void __throw_range_error(const char*) { libraryFailure(); }
void __throw_runtime_error(const char*) { libraryFailure(); }
void __throw_underflow_error(const char*) { libraryFailure(); }
} // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { libraryFailure(); }
} // namespace __gnu_cxx
