// The yardstick for start-up: an empty Qt Widgets main window with a title, shown the way
// Tarvo Yoga shows its own.

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt Widgets"));
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        window.setGeometry(primary->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
