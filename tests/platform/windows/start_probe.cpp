// Started by the program-start tests: leaves "<own path>.ran" holding the command line it was
// given, so that a test can tell which program ran and with what.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH];
    const std::string marker =
        std::string(self, GetModuleFileNameA(nullptr, self, MAX_PATH)) + ".ran";
    const std::string partial = marker + ".part";
    std::ofstream(partial, std::ios::binary) << GetCommandLineA();
    // Renamed only when complete, so the test never reads half a marker.
    return MoveFileA(partial.c_str(), marker.c_str()) ? 0 : 1;
}
