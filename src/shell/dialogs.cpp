#include "dialogs.h"

#include <cstdio>

void RecordingDialogs::message(const QString& title, const QString& text)
{
    m_entries.push_back({title, text, false});
}

bool RecordingDialogs::askYesNo(const QString& title, const QString& text)
{
    m_entries.push_back({title, text, true});
    if (m_answers.empty())
        return false;
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::vector<QString> RecordingDialogs::texts() const
{
    std::vector<QString> result;
    for (const Entry& e : m_entries)
        result.push_back(e.text);
    return result;
}

QString RecordingDialogs::lastText() const
{
    return m_entries.empty() ? QString() : m_entries.back().text;
}

QString RecordingDialogs::lastTitle() const
{
    return m_entries.empty() ? QString() : m_entries.back().title;
}

void StderrDialogs::message(const QString& title, const QString& text)
{
    ++m_count;
    std::fprintf(stderr, "[%s] %s\n", title.toUtf8().constData(), text.toUtf8().constData());
}

bool StderrDialogs::askYesNo(const QString& title, const QString& text)
{
    message(title, text);
    return false;
}
