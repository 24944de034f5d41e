// A library with five of the plug-in's six exports: Run is missing.
extern "C" {
void LibInit(const void*) {}
void PreInit(void) {}
void Init(void) {}
void Exit(void) {}
void PostExit(void) {}
}
