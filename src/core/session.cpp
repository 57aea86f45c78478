#include "core/session.h"

Session::Session(Services services)
    : m_services(std::move(services))
{
}

void Session::setList(const WordList &list)
{
    if (list == m_list)
        return; // put back unchanged: as saved as it was
    m_list = list;
    m_unsaved = true;
    emit listChanged();
}

void Session::setOpenedList(const WordList &list)
{
    m_list = list;
    m_unsaved = false;
    emit listChanged();
}

bool Session::appendPairs(const QList<WordPair> &pairs)
{
    if (!m_list.append(pairs))
        return false;
    m_unsaved = true;
    emit listChanged();
    return true;
}
