// A test library with one export, for the library owner to load and free.
extern "C" __declspec(dllexport) int ProbeAnswer() { return 42; }
