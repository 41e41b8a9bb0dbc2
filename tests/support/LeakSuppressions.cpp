// LeakSanitizer asks the program for these when it defines them. Libraries
// that keep what they allocated until the process ends, which is not ours to
// free: the sound system's client after a failed connection to the sound
// server, and D-Bus, which Qt opens on a real X server (accessibility,
// desktop settings).
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libpulse.so\n"
         "leak:libdbus-1.so\n";
}
