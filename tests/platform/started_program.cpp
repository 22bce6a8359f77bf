#include <filesystem>
#include <fstream>

// Leaves "<its own path>.ran" holding its arguments, one to a line, so that a test can see that it
// ran, from where and with what.
int main(int argc, char** argv) {
    std::ofstream note(std::filesystem::read_symlink("/proc/self/exe").string() + ".ran");
    for (int i = 1; i < argc; ++i) {
        note << argv[i] << '\n';
    }
}
