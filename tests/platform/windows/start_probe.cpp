// Started by the program-start tests: leaves "<own path>.ran" holding the command line it was
// given, so that a test can tell which program ran and with what.
#include <windows.h>

#include <string>

int main() {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return 1;
    }
    const std::string marker = std::string(self, length) + ".ran";
    const std::string partial = marker + ".part";
    const HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const std::string commandLine = GetCommandLineA();
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, commandLine.data(), static_cast<DWORD>(commandLine.size()),
                                 &written, nullptr);
    CloseHandle(file);
    // Renamed only when complete, so the test never reads half a marker.
    return wrote && MoveFileA(partial.c_str(), marker.c_str()) ? 0 : 1;
}
