#include "platform/widgetdialogs.h"

#include "platform/modules.h"
#include "platform/palettecolor.h"
#include "platform/wholetext.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {
// QMessageBox breaks lines only where words may break and cuts off a run
// wider than the screen allows, such as a long answer without blanks: a run
// longer than this many characters may break anywhere.
constexpr int LongUnbrokenRun = 30;

// "csv" of "CSV-filer (*.csv)"; nothing for a filter of every file.
QString firstExtension(const QString &qtFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^ )*?]+)"));
    return pattern.match(qtFilter).captured(1);
}

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

std::optional<QString> runFileDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(activeParent(), request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave || !request.mustExist ? QFileDialog::AnyFile
                                                                             : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmReplace);
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (request.typeGivesExtension) {
        // The dialog adds it, so that it also asks before replacing the file with that name.
        const auto follow = [&dialog](const QString &filter) {
            dialog.setDefaultSuffix(firstExtension(filter));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
        follow(dialog.selectedNameFilter());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

Answer WidgetDialogs::message(const Message &message)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(message.title.isEmpty() ? ApplicationTitle : message.title);
    box.setText(withBreaksInLongRuns(
        QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), LongUnbrokenRun));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(message.icon == Message::Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    if (message.buttons != Message::Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nej"));
        if (message.buttons == Message::Buttons::YesNoDefaultNo)
            box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> WidgetDialogs::openFile(const FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> WidgetDialogs::saveFile(const FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<ColorValue> WidgetDialogs::chooseColor(const ColorRequest &request)
{
    const QColor start = paintColor(request.start, QApplication::palette());
    const QColor chosen = QColorDialog::getColor(start, activeParent(), request.title);
    if (!chosen.isValid())
        return std::nullopt;
    return toColorValue(chosen);
}

bool WidgetDialogs::print(const Printout &printout)
{
    using Print = bool (*)(const Printout &, QWidget *);
    const auto module =
        reinterpret_cast<Print>(moduleFunction(QStringLiteral("ordkvarnen_print"), "ordkvarnen_print"));
    return module && module(printout, activeParent());
}

QStringList qtNameFilters(const QString &filter)
{
    static const QRegularExpression trailingPattern(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        text.remove(trailingPattern);
        const QString pattern = parts[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parts[i + 1];
        filters << QStringLiteral("%1 (%2)").arg(text, pattern);
    }
    return filters;
}
