#include "app/lazystore.h"

#include "platform/modules.h"

namespace {
const StoreOutcome Missing{QStringLiteral("programmets minnesmodul (ordkvarnen_store) saknas")};
} // namespace

LazyStore::LazyStore()
    : m_started(QDateTime::currentMSecsSinceEpoch())
{
}

LazyStore::~LazyStore() = default;

Store *LazyStore::loaded()
{
    if (std::exchange(m_tried, true))
        return m_store.get();
    using Factory = Store *(*)(const QString &, qint64);
    if (const auto create = reinterpret_cast<Factory>(
            moduleFunction(QStringLiteral("ordkvarnen_store"), "ordkvarnen_create_store")))
        m_store.reset(create(QString(), m_started));
    return m_store.get();
}

StoreOutcome LazyStore::keepCopy(const QString &wordFile, const QList<WordPair> &pairs)
{
    return loaded() ? m_store->keepCopy(wordFile, pairs) : Missing;
}

StoreOutcome LazyStore::dropCopy()
{
    return loaded() ? m_store->dropCopy() : Missing;
}

QList<RecoveryCopy> LazyStore::endedCopies()
{
    return loaded() ? m_store->endedCopies() : QList<RecoveryCopy>();
}

StoreOutcome LazyStore::dropEndedCopy(qint64 id)
{
    return loaded() ? m_store->dropEndedCopy(id) : Missing;
}

StoreOutcome LazyStore::takeOver(qint64 id, const QList<WordPair> &leftOver, const QString &wordFile,
                                 const QList<WordPair> &list)
{
    return loaded() ? m_store->takeOver(id, leftOver, wordFile, list) : Missing;
}

StoreOutcome LazyStore::recordReview(const Review &review)
{
    return loaded() ? m_store->recordReview(review) : Missing;
}

QList<Schedule::Card> LazyStore::cardsOf(const QList<WordPair> &pairs)
{
    return loaded() ? m_store->cardsOf(pairs) : QList<Schedule::Card>(pairs.size());
}

StoreOutcome LazyStore::renamePair(const WordPair &from, const WordPair &to)
{
    return loaded() ? m_store->renamePair(from, to) : Missing;
}

QList<PairHistory> LazyStore::historyOf(const QList<WordPair> &pairs, QDate since)
{
    return loaded() ? m_store->historyOf(pairs, since) : QList<PairHistory>(pairs.size());
}

StoreOutcome LazyStore::forget(const QList<WordPair> &pairs)
{
    return loaded() ? m_store->forget(pairs) : Missing;
}

QDate LazyStore::testDate()
{
    return loaded() ? m_store->testDate() : QDate();
}

StoreOutcome LazyStore::setTestDate(QDate date)
{
    return loaded() ? m_store->setTestDate(date) : Missing;
}

QString LazyStore::takeNotice()
{
    return loaded() ? m_store->takeNotice() : Missing.error;
}
