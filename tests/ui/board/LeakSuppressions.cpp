// LeakSanitizer asks the program for these when it defines them. On a real X
// server Qt opens a D-Bus connection (accessibility, desktop settings) whose
// library keeps a buffer until the process ends; that is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}
