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

bool Session::appendPair(const WordPair &pair)
{
    if (!m_list.append(pair))
        return false;
    emit listChanged();
    return true;
}
