// The start-up benchmark's second reference: a bare Qt Widgets program that
// shows the same start window as the program, built straight in main() with
// none of the program's machinery (no window registry, no fixed paths, no
// screen-reader pass). Its widgets, layout, fonts, colours, focus and texts
// are those of the program's start window, so that the first frame of both
// comes out pixel for pixel the same (scripts/bench checks that), and the
// logo and the information text come from the same files the same way.
#include "core/version.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::Box);
    window.setCentralWidget(frame);

    auto *logo = plainLabel({}, frame);
    QImageReader reader(QStringLiteral(":/ordkvarnen/logo.png"), "png");
    reader.setAutoDetectImageFormat(false);
    logo->setPixmap(QPixmap::fromImage(reader.read()));
    auto *product = plainLabel(QStringLiteral("Kvartos Ordkvarn"), frame);
    QFont productFont = product->font();
    productFont.setPointSize(20);
    productFont.setBold(true);
    product->setFont(productFont);
    auto *version = plainLabel(ProgramVersion::text(), frame);
    auto *comments = plainLabel(ProgramVersion::comments(), frame);
    comments->setWordWrap(true);

    QFile file(QStringLiteral(ORDKVARNEN_INFO_TEXT));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    auto *info = new QPlainTextEdit(frame);
    info->setReadOnly(true);
    info->setMinimumSize(460, 260);
    info->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    info->setPlainText(QString::fromUtf8(file.readAll()));
    QPalette red = info->palette();
    red.setColor(QPalette::Base, Qt::red);
    info->setPalette(red);

    auto *start = new QPushButton(QStringLiteral("Klicka här för att starta"), frame);
    start->setDefault(true);

    auto *header = new QHBoxLayout;
    header->addWidget(logo);
    header->addWidget(product, 1);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(header);
    layout->addWidget(version);
    layout->addWidget(comments);
    layout->addWidget(info, 1);
    layout->addWidget(start);
    start->setFocus();

    window.show();
    return QApplication::exec();
}
