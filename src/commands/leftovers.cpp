#include "commands/leftovers.h"

#include "commands/wordfiletexts.h"
#include "core/session.h"
#include "files/backups.h"
#include "files/pairfiles.h"
#include "files/safesave.h"

#include <QFile>

namespace {
// Whether the file reads whole now: a word file with every word, or a text or KDE document.
bool readsWhole(const QString &path)
{
    const bool wordFile = path.endsWith(QStringLiteral(".gls"), Qt::CaseInsensitive);
    const Intake intake = readPairs(path, wordFile ? PairFormat::WordFile : PairFormat::Tabs);
    return intake.outcome.ok() && intake.missing.isEmpty() && !intake.pairs.isEmpty();
}
} // namespace

void offerLeftoverBackups(Session &session)
{
    Dialogs &dialogs = session.dialogs();
    QStringList unnamed; // left by an earlier version, which did not record the file
    for (const Backup &backup : leftoverBackups()) {
        if (backup.target.isEmpty()) {
            unnamed << backup.file;
            continue;
        }
        const QString file = QFile::decodeName(backup.target);
        if (dialogs.message(leftoverBackupQuestion(file, readsWhole(file))) == Answer::Yes) {
            const std::optional<QByteArray> old = backupBytes(backup);
            const SaveResult put = old ? replaceFileAt(backup.target, *old) : SaveResult{EIO, {}};
            if (put.error != 0) {
                dialogs.inform(writeFailedText(put.error) + QStringLiteral("\r\n") +
                               backupKeptText(backup.file));
                continue;
            }
        }
        removeBackup(backup);
    }
    if (!unnamed.isEmpty())
        dialogs.inform(leftoverBackupText(unnamed));
}
