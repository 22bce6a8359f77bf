#include <filesystem>
#include <fstream>
#include <string_view>

// Leaves "<its own path>.ran" holding its arguments, one to a line, so that a test can see that it
// ran, from where and with what. It fails with exit status 4, as xdg-open does when it cannot
// open a link, when an argument contains "fail".
int main(int argc, char** argv) {
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    std::ofstream note(self.string() + ".ran");
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        note << argv[i] << '\n';
        if (std::string_view(argv[i]).find("fail") != std::string_view::npos) {
            status = 4;
        }
    }
    return status;
}
