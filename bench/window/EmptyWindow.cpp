// The yardstick of the start-up benchmark: an empty Qt window of a given size.
// Usage: empty_window_startup WIDTH HEIGHT
#include <QApplication>
#include <QWidget>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    return QApplication::exec();
}
