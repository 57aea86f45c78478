#pragma once

#include "core/store.h"

#include <memory>

// The program's store: the store module (SQLite behind it) is loaded the
// first time the store is asked anything, never before the first frame.
// Without the module every request answers that the store is missing.
class LazyStore final : public Store {
public:
    LazyStore();
    ~LazyStore() override;

    StoreOutcome keepCopy(const QString &wordFile, const QList<WordPair> &pairs) override;
    StoreOutcome dropCopy() override;
    QList<RecoveryCopy> endedCopies() override;
    StoreOutcome dropEndedCopy(qint64 id) override;
    StoreOutcome takeOver(qint64 id, const QList<WordPair> &leftOver, const QString &wordFile,
                          const QList<WordPair> &list) override;
    StoreOutcome recordReview(const Review &review) override;
    QList<Schedule::Card> cardsOf(const QList<WordPair> &pairs) override;
    StoreOutcome renamePair(const WordPair &from, const WordPair &to) override;
    QList<PairHistory> historyOf(const QList<WordPair> &pairs, QDate since) override;
    StoreOutcome forget(const QList<WordPair> &pairs) override;
    QDate testDate() override;
    StoreOutcome setTestDate(QDate date) override;
    QString takeNotice() override;

private:
    Store *loaded();

    qint64 m_started; // the run's start, which names its recovery copy
    bool m_tried = false;
    std::unique_ptr<Store> m_store;
};
