// LeakSanitizer asks the program for these when it defines them. The sound
// system's client library keeps what it allocated for a failed connection to
// the sound server until the process ends; that is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libpulse.so\n";
}
