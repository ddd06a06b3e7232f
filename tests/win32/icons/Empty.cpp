// A module is all the tests need of these DLLs: their resources, or the lack of them.
extern "C" __declspec(dllexport) int BrisaltoTestModule() { return 0; }
