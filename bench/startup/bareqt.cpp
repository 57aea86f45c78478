// The reference for the start-up benchmark: the least a Qt Widgets program
// of the same kind does before its first window is on screen.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Svenska")));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QListWidget);
    window.show();
    return QApplication::exec();
}
