// The yardstick for Sumora's start-up: a plain Qt window with the same menus, keys, labels and
// rules in the same places, and nothing else (no engine, fonts, colours, icon or key handling).

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

struct Control {
    const char* caption;
    int x, y, w, h;  // pixels
};

constexpr Control keys[] = {
    {"0", 8, 192, 41, 33},    {"1", 8, 152, 41, 33},     {"2", 48, 152, 41, 33},
    {"3", 88, 152, 41, 33},   {"4", 8, 112, 41, 33},     {"5", 48, 112, 41, 33},
    {"6", 88, 112, 41, 33},   {"7", 8, 72, 41, 33},      {"8", 48, 72, 41, 33},
    {"9", 88, 72, 41, 33},    {".", 48, 192, 41, 33},    {"p", 88, 192, 41, 33},
    {"+", 136, 152, 41, 33},  {"-", 176, 152, 41, 33},   {"x", 136, 112, 41, 33},
    {"/", 176, 112, 41, 33},  {"^", 136, 72, 41, 33},    {"Sqr", 176, 72, 41, 33},
    {"=", 176, 192, 41, 33},  {"+ -", 136, 192, 41, 33}, {"AC", 176, 34, 41, 25},
    {"M+", 8, 34, 41, 25},    {"M-", 48, 34, 41, 25},    {"Mdis", 88, 34, 41, 25},
    {"Mre", 128, 34, 41, 25},
};

constexpr Control labels[] = {
    {"0", 8, 0, 209, 25},
    {"", 8, 240, 209, 25},
    {"", 11, 4, 17, 17},
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare window");

    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Save");
    file->addAction("&Print");
    file->addSeparator();
    file->addAction("&Exit");
    QMenu* help = window.menuBar()->addMenu("&Help");
    help->addAction("&License Agreement");
    help->addSeparator();
    help->addAction("&Bugs Fix");
    help->addAction("&About");

    auto* client = new QWidget(&window);
    client->setFixedSize(224, 269);
    window.setCentralWidget(client);
    for (const Control& key : keys) {
        auto* button = new QPushButton(key.caption, client);
        button->setGeometry(key.x, key.y, key.w, key.h);
    }
    for (const Control& label : labels) {
        auto* field = new QLabel(label.caption, client);
        field->setFrameStyle(QFrame::Box | QFrame::Plain);
        field->setGeometry(label.x, label.y, label.w, label.h);
    }
    for (const int y : {64, 232}) {
        auto* rule = new QFrame(client);
        rule->setFrameStyle(QFrame::HLine | QFrame::Plain);
        rule->setGeometry(8, y, 208, 1);
    }
    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
