#include "app/session.h"

Session::Session(Services services)
    : m_services(std::move(services))
{
}

void Session::setList(const WordList &list)
{
    m_list = list;
    emit listChanged();
}

bool Session::appendPairs(const QList<WordPair> &pairs)
{
    if (!m_list.append(pairs))
        return false;
    emit listChanged();
    return true;
}
