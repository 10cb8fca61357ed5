// The DLL is built without exceptions. The standard library's throw helpers would
// still drag in the whole exception machinery (and a C++ exception must never unwind
// into the program, which is no C++ program): these end the process instead. They
// are only reached on exhausted memory, as every size the engine allocates is capped.
#include <cstdlib>

namespace std {
[[noreturn]] void __throw_bad_alloc() { abort(); }
[[noreturn]] void __throw_bad_array_new_length() { abort(); }
[[noreturn]] void __throw_length_error(const char*) { abort(); }
[[noreturn]] void __throw_logic_error(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { abort(); }
[[noreturn]] void __throw_bad_function_call() { abort(); }
}  // namespace std
